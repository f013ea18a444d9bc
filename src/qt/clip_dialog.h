#pragma once
#include <QDialog>
#include <QSize>
#include <QString>
#include <cstdint>

class QLabel;
class QSpinBox;

namespace sw4 {

// How a clip is made: its pixels, a frame every K ticks, frames a second.
struct ClipSettingsChoice {
  QSize size;
  int every = 2;
  int fps = 30;
};

// The small dialog of "Export clip..." once the file is chosen: the clip's size (the drawing's own
// at first), a frame every K ticks and frames a second, with how many frames and seconds of video
// that makes of the session's ticks, and which view the clip shows.
class ClipDialog : public QDialog {
 public:
  ClipDialog(QWidget* parent, const QString& file, std::int64_t ticks, const QString& viewNote,
             const ClipSettingsChoice& start);

  ClipSettingsChoice choice() const;

 private:
  void updateSummary();

  std::int64_t ticks_;
  QSpinBox *width_, *height_, *every_, *fps_;
  QLabel* summary_;
  class QPushButton* ok_;
};

}  // namespace sw4
