#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "qt/discard_question.h"
#include "qt/file_dialog.h"

class QAction;
class QImage;

namespace sw4 {

class Sim;
class MainWindow;
class PlotWindow;

// What lets a user keep what a run makes, as actions of the main window with their keys from the
// key table: save or copy the picture, start anew, open and save a setup, plot the watched body.
// The drawing area's context menu shows them. New and Open setup ask before a run that has ticked
// is thrown away; the file dialogs open in the folder last used for their kind of file.
class KeepActions : public QObject {
 public:
  KeepActions(Sim& sim, MainWindow& window);
  ~KeepActions() override;
  KeepActions(const KeepActions&) = delete;
  KeepActions& operator=(const KeepActions&) = delete;

  QAction* savePicture() const { return savePicture_; }
  QAction* copyPicture() const { return copyPicture_; }
  QAction* startAnew() const { return startAnew_; }
  QAction* saveSetup() const { return saveSetup_; }
  QAction* openSetup() const { return openSetup_; }
  QAction* plot() const { return plot_; }

  // The same without the file dialogs (the command line, tests). Each refuses what is not a
  // regular file before it opens anything, writes a file whole or not at all, tells the user
  // what went wrong and why through `warn`, and answers false.
  bool savePictureTo(const QString& path);
  bool saveSetupTo(const QString& path);
  bool openSetupFrom(const QString& path);
  PlotWindow& plotWindow();
  DiscardQuestion& discardQuestion() { return discard_; }

  // How a failure is told: a message box showing the text as it stands, unless replaced.
  std::function<void(const QString& title, const QString& text)> warn;
  // How a file is asked for: a file dialog, unless replaced; an empty answer does nothing.
  std::function<QString(const FileQuestion&)> askFile;

 private:
  void chooseSetupToOpen();
  void chooseSetupToSave();
  void choosePicture();
  void drawingChanged();
  QImage picture() const;

  Sim& sim_;
  MainWindow& window_;
  DiscardQuestion discard_;
  PlotWindow* plotWindow_ = nullptr;
  QAction *savePicture_, *copyPicture_, *startAnew_, *saveSetup_, *openSetup_, *plot_;
};

}  // namespace sw4
