#include "qt/clip_export.h"

#include <signal.h>
#include <unistd.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <climits>

#include "clip/clip_recorder.h"
#include "clip/clip_writer.h"
#include "model/sim.h"
#include "qt/main_window.h"
#include "qt/plain_message.h"
#include "qt/remembered.h"
#include "qt/shortcuts.h"
#include "qt/time_control.h"
#include "qt/whole_file.h"
#include "script/view_commands.h"
#include "view/world_view.h"

namespace sw4 {

namespace {

const QString kPngFilter = QObject::tr("PNG sequence, a folder of frames (*.png)");

// sw4-script beside this program (the build folder, or where both are installed), else on the PATH.
QString scriptProgram() {
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("sw4-script");
  if (QFileInfo(beside).isExecutable()) return beside;
  return QStandardPaths::findExecutable(QStringLiteral("sw4-script"));
}

QString moviesFolder() {
  const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
  return !movies.isEmpty() && QDir(movies).exists() ? movies : QDir::homePath();
}

bool pngSequence(const QString& path) {
  return clipKindOf(path.toStdString()) == ClipKind::PngSequence;
}

}  // namespace

std::string sessionInView(const std::string& session, const WorldView& view) {
  const std::size_t header = session.find('\n');
  const std::string line = viewLine(view) + "\n";
  if (header == std::string::npos) return session + "\n" + line;
  std::string out = session;
  out.insert(header + 1, line);
  return out;
}

ClipExport::ClipExport(Sim& sim, MainWindow& window)
    : QObject(&window), sim_(sim), window_(window) {
  warn = [this](const QString& title, const QString& text) { warnPlainly(&window_, title, text); };
  tell = [this](const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, tr("Export clip"), text, QMessageBox::Ok,
                                &window_);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
  };
  askFile = [this](const FileQuestion& q) { return askForFile(&window_, q); };
  askSettings = [this](const QString& file, ClipSettingsChoice& settings) {
    ClipDialog dialog(&window_, file, window_.time().position(), viewNote(), settings);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.choice();
    return true;
  };
  action_ = window_.shortcuts().bindMenu(KeyAction::ExportClip, *this, [this] { choose(); });
  if (!ffmpegFound()) {
    action_->setText(action_->text() + tr(" (PNG frames only: install ffmpeg for videos)"));
    action_->setToolTip(QString::fromUtf8(kFfmpegMissing));
  }
}

ClipExport::~ClipExport() {
  cancel();
}

QString ClipExport::viewNote() const {
  const WorldView& v = window_.view();
  QString note;
  if (v.classic())
    note = tr("The clip shows the classic view, from the session's start to now.");
  else if (v.followed() >= 0)
    note = tr("The clip shows the view the window shows now, following body %1 at zoom %2, from "
              "the session's start to now.")
               .arg(v.followed())
               .arg(v.zoom(), 0, 'g', 3);
  else
    note = tr("The clip shows the view the window shows now (zoom %1 and its centre), from the "
              "session's start to now.")
               .arg(v.zoom(), 0, 'g', 3);
  if (!ffmpegFound()) note += '\n' + QString::fromUtf8(kFfmpegMissing);
  return note;
}

void ClipExport::choose() {
  if (running()) return;
  const std::int64_t ticks = window_.time().position();
  if (ticks == 0) {
    warn(tr("Export clip"), tr("The session has not ticked yet: a clip starts with \"Go\"."));
    return;
  }
  const bool videos = ffmpegFound();
  const QString filter = videos ? tr("MP4 video (*.mp4);;WebM video (*.webm);;GIF animation "
                                     "(*.gif);;") +
                                      kPngFilter
                                : kPngFilter;
  const QString name = videos ? QStringLiteral("/sw4-clip.mp4") : QStringLiteral("/sw4-clip.png");
  const QString chosen = askFile({FileQuestion::Mode::Save, tr("Export clip"),
                                  lastFolder(FileKind::Clip, moviesFolder()) + name, filter});
  if (chosen.isEmpty()) return;
  rememberFolder(FileKind::Clip, chosen);
  const auto path = clipPath(chosen);
  if (!path) return;
  Clip clip{
      *path,
      {QSize(std::max(1, sim_.surface.widthPixels()), std::max(1, sim_.surface.heightPixels())), 2,
       30}};
  if (askSettings(QFileInfo(chosen).fileName(), clip.settings)) start(clip);
}

std::optional<QString> ClipExport::clipPath(QString chosen) {
  if (QFileInfo(chosen).suffix().isEmpty())
    chosen += ffmpegFound() ? QStringLiteral(".mp4") : QStringLiteral(".png");
  const QFileInfo info(chosen);
  if (info.suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
    if (pngSequence(chosen)) return chosen;
    return QDir(info.absolutePath()).filePath(info.completeBaseName() + "/%05d.png");
  }
  if (!clipKindOf(chosen.toStdString())) {
    warn(tr("Export clip"),
         tr("%1: a clip is .mp4, .webm, .gif, or .png for a PNG sequence.").arg(info.fileName()));
    return std::nullopt;
  }
  if (!ffmpegFound()) {
    warn(tr("Export clip"), QString::fromUtf8(kFfmpegMissing));
    return std::nullopt;
  }
  return chosen;
}

bool ClipExport::start(const Clip& clip) {
  if (running()) return false;
  const QString title = tr("Export clip");
  const QString program = scriptProgram();
  if (program.isEmpty()) {
    warn(title, tr("sw4-script, which renders clips, is neither beside %1 nor on the PATH.")
                    .arg(QCoreApplication::applicationFilePath()));
    return false;
  }
  auto dir = std::make_unique<QTemporaryDir>();
  const QString script = dir->filePath(QStringLiteral("session.sw4"));
  QString why;
  const std::string session = sessionInView(window_.time().session(), window_.view());
  if (!dir->isValid() || !writeWhole(script, QByteArray::fromStdString(session), why)) {
    warn(title, notSaved(tr("The session"), script, dir->isValid() ? why : dir->errorString()));
    return false;
  }
  const bool png = pngSequence(clip.path);
  frameFolder_.clear();
  madeFolder_ = false;
  if (png) {
    const QDir folder = QFileInfo(clip.path).absoluteDir();
    if (folder.exists() && !folder.isEmpty()) {
      warn(title, tr("%1 holds files already: the frames go into a new or empty folder.")
                      .arg(QDir::toNativeSeparators(folder.path())));
      return false;
    }
    madeFolder_ = !folder.exists();
    if (madeFolder_ && !QDir().mkpath(folder.path())) {
      warn(title, tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder.path())));
      return false;
    }
    frameFolder_ = folder.path();
  }
  QStringList args{
      QStringLiteral("--progress"),
      QStringLiteral("--video"),
      clip.path,
      QStringLiteral("--fps"),
      QString::number(clip.settings.fps),
      QStringLiteral("--every"),
      QString::number(clip.settings.every),
      QStringLiteral("--size"),
      QStringLiteral("%1x%2").arg(clip.settings.size.width()).arg(clip.settings.size.height())};
  // The file dialog asked before an existing file is replaced.
  if (!png && QFileInfo::exists(clip.path)) args << QStringLiteral("--overwrite");
  args << script;

  clip_ = clip;
  scriptDir_ = std::move(dir);
  ticks_ = window_.time().position();
  ticksDone_ = 0;
  said_.clear();
  pendingErr_.clear();
  cancelled_ = false;
  const qint64 frames = ticks_ / std::max(1, clip.settings.every);
  progress_ = new QProgressDialog(
      tr("Rendering %1 frames of the session's %2 ticks into %3")
          .arg(frames)
          .arg(ticks_)
          .arg(QFileInfo(png ? frameFolder_ : clip.path).fileName()),
      tr("Cancel"), 0, static_cast<int>(std::min<std::int64_t>(ticks_, INT_MAX)), &window_);
  progress_->setWindowTitle(title);
  progress_->setWindowModality(Qt::NonModal);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  progress_->setMinimumDuration(0);
  connect(progress_, &QProgressDialog::canceled, this, [this] { cancel(); });
  progress_->setValue(0);
  progress_->show();
  action_->setEnabled(false);

  process_ = new QProcess(this);
  process_->setStandardOutputFile(QProcess::nullDevice());
  // A group of its own, so that Cancel ends its ffmpeg with it.
  process_->setChildProcessModifier([] { ::setpgid(0, 0); });
  connect(process_, &QProcess::readyReadStandardError, this, [this] { readProgress(); });
  connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    finished(code, status == QProcess::CrashExit);
  });
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    said_ << process_->errorString();
    finished(-1, true);
  });
  process_->start(program, args);
  return true;
}

void ClipExport::readProgress() {
  if (!process_) return;
  pendingErr_ += process_->readAllStandardError();
  const QByteArray prefix(kProgressPrefix.data(), static_cast<qsizetype>(kProgressPrefix.size()));
  for (qsizetype end; (end = pendingErr_.indexOf('\n')) >= 0;) {
    const QByteArray line = pendingErr_.left(end);
    pendingErr_.remove(0, end + 1);
    bool number = false;
    const qint64 n = line.startsWith(prefix) ? line.mid(prefix.size()).toLongLong(&number) : 0;
    if (number)
      ticksDone_ = n;
    else
      said_ << QString::fromUtf8(line);
  }
  if (progress_) progress_->setValue(static_cast<int>(std::min(ticksDone_, ticks_)));
}

void ClipExport::cancel() {
  if (!process_) return;
  cancelled_ = true;
  QProcess* p = process_;
  if (p->processId() > 0) ::kill(-static_cast<pid_t>(p->processId()), SIGKILL);
  if (!p->waitForFinished(5000)) finished(-1, true);
}

void ClipExport::finished(int exitCode, bool crashed) {
  if (!process_) return;
  readProgress();
  if (!pendingErr_.isEmpty()) said_ << QString::fromUtf8(pendingErr_);
  process_->deleteLater();
  process_ = nullptr;
  progress_->hide();
  progress_->deleteLater();
  progress_ = nullptr;
  scriptDir_.reset();
  action_->setEnabled(true);
  const bool written = !cancelled_ && !crashed && exitCode == 0;
  if (!written) removeWritten();
  if (cancelled_) return;
  const QString where =
      QDir::toNativeSeparators(pngSequence(clip_.path) ? frameFolder_ : clip_.path);
  if (written)
    tell(tr("The clip is written: %1, %2 frames.")
             .arg(where)
             .arg(ticks_ / std::max(1, clip_.settings.every)));
  else
    warn(tr("Export clip"),
         tr("The clip %1 could not be written.\n%2").arg(where, said_.join('\n').trimmed()));
}

void ClipExport::removeWritten() {
  if (!pngSequence(clip_.path)) {
    QFile::remove(clip_.path);
    return;
  }
  if (frameFolder_.isEmpty()) return;
  QDir folder(frameFolder_);
  if (madeFolder_) {
    folder.removeRecursively();
    return;
  }
  for (const QString& f : folder.entryList(QDir::Files)) folder.remove(f);  // empty before
}

}  // namespace sw4
