#include "platform/qt/host_hooks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include "core/sim.h"

namespace sw4 {

void installHostHooks(Sim& sim, QWidget& window) {
  sim.processEvents = [](int) { QCoreApplication::processEvents(); };
  sim.endProgram = [&window] {
    window.hide();
    QCoreApplication::quit();
  };
  sim.openUrl = [](const std::string& url) {
    const QUrl u(QString::fromStdString(url));
    return u.isValid() && QDesktopServices::openUrl(u);
  };
  sim.criticalMessage = [&window](const std::string& title, const std::string& text) {
    QMessageBox::critical(&window, QString::fromStdString(title), QString::fromStdString(text));
  };
}

}  // namespace sw4
