// The files a user keeps: only regular files, written whole or not at all, named as they stand.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <functional>
#include <memory>

#include "model/fs4.h"
#include "program/program.h"
#include "qt/file_dialog.h"
#include "qt/keep_actions.h"
#include "qt/main_window.h"
#include "qt/plot_window.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  FilesTest() {
    window.resize(1024, 768);
    keep.warn =
        keep.plotWindow().warn = [this](const QString&, const QString& text) { warnings << text; };
  }
  // Every dialog (the plot window's too) answers `ask`.
  void answer(const std::function<QString(const FileQuestion&)>& ask) {
    keep.askFile = keep.plotWindow().askFile = ask;
  }

  QString write(const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
  }
  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void exportCsv() {
    for (QPushButton* b : keep.plotWindow().findChildren<QPushButton*>())
      if (b->text() == "Export CSV...") b->click();
  }

  testing::QtAppReady ready;
  QTemporaryDir dir;
  Program sim;
  MainWindow window{sim};
  KeepActions keep{sim, window};
  QStringList warnings;
};

TEST_F(FilesTest, EveryDialogRefusesWhatIsNotARegularFileAtOnce) {
  const QString fifo = dir.filePath("pipe.x");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QString path = fifo;
  answer([&path](const FileQuestion&) { return path; });
  // Each would wait for a writer or a reader for good if it opened the FIFO as a file.
  keep.openSetup()->trigger();
  keep.saveSetup()->trigger();
  keep.savePicture()->trigger();
  exportCsv();
  path = "/proc/self/status";
  keep.openSetup()->trigger();
  ASSERT_EQ(warnings.size(), 5);
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(warnings[i].contains("FIFO")) << warnings[i].toStdString();
  EXPECT_TRUE(warnings[4].contains("/proc")) << warnings[4].toStdString();
}

// Scoped: a file may grow to `bytes` at most; a write beyond fails (EFBIG) as on a full disk.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{bytes, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, SIG_DFL);
  }
  rlimit old{};
};

TEST_F(FilesTest, ASaveThatCannotFinishLeavesTheOldFileByteForByte) {
  sim.form.TXn.setText("30");
  sim.form.Command2.userClick();
  PlotWindow& plot = keep.plotWindow();
  plot.show();
  for (int i = 0; i < 20; ++i) sim.form.Ti.fire();
  const QByteArray old = "text TXn 12\n";
  const QString files[] = {write("mine.sw4", old), write("mine.png", old), write("mine.csv", old)};
  answer([&files](const FileQuestion&) { return files[2]; });
  {
    const FileSizeLimit limit(64);
    keep.saveSetupTo(files[0]);
    keep.savePictureTo(files[1]);
    exportCsv();
  }
  ASSERT_EQ(warnings.size(), 3);
  for (const QString& w : warnings) EXPECT_TRUE(w.contains("File too large")) << w.toStdString();
  for (const QString& f : files) EXPECT_EQ(read(f), old) << f.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);  // no temporary file left
  EXPECT_TRUE(keep.saveSetupTo(files[0]));
  EXPECT_NE(read(files[0]), old);
}

TEST_F(FilesTest, AFileNameThatLooksLikeMarkupIsShownAsItStands) {
  Program other;
  MainWindow otherWindow{other};
  KeepActions ownMessages{other, otherWindow};
  const QString path = write("<font size=7 color=red>Setup OK.sw4", "click Command2\n");
  QString shown;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      format = box->textFormat();
      box->accept();
    }
  });
  EXPECT_FALSE(ownMessages.openSetupFrom(path));
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_TRUE(shown.startsWith("<font size=7 color=red>Setup OK.sw4, line 1:"))
      << shown.toStdString();
}

TEST_F(FilesTest, TheFileDialogTellsAFilesTypeByItsNameAlone) {
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  QImage(2, 2, QImage::Format_RGB32).save(&png, "PNG");
  const QFileInfo unnamed(write("picture", png.data()));
  ASSERT_TRUE(QFileIconProvider().type(unnamed).contains("PNG"));  // what a look inside finds
  const std::unique_ptr<QFileDialog> d(
      fileDialog(&window, {FileQuestion::Mode::Save, "Save picture", dir.path(), "*.png"}));
  EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
  ASSERT_TRUE(d->iconProvider());
  EXPECT_FALSE(d->iconProvider()->type(unnamed).contains("PNG"));
}

}  // namespace
}  // namespace sw4
