#include "qt/host_hooks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include "model/sim.h"
#include "qt/event_pump.h"

namespace sw4 {

HostHooks::HostHooks(Sim& sim, QWidget& window)
    : sim_(sim),
      pump_(std::make_unique<EventPump>(sim, window)),
      processEvents_(sim.processEvents.add([pump = pump_.get()](int) { pump->afterBody(); })),
      tickDone_(sim.tickDone.add([pump = pump_.get()] { pump->tickEnded(); })),
      endProgram_(sim.endProgram.add([&window] {
        window.hide();
        QCoreApplication::quit();
      })),
      openUrl_(sim.openUrl.add([](const std::string& url) {
        const QUrl u(QString::fromStdString(url));
        return u.isValid() && QDesktopServices::openUrl(u);
      })),
      criticalMessage_(sim.criticalMessage.add([&window](const std::string& title,
                                                         const std::string& text) {
        QMessageBox::critical(&window, QString::fromStdString(title), QString::fromStdString(text));
      })) {}

HostHooks::~HostHooks() {
  sim_.processEvents.remove(processEvents_);
  sim_.tickDone.remove(tickDone_);
  sim_.endProgram.remove(endProgram_);
  sim_.openUrl.remove(openUrl_);
  sim_.criticalMessage.remove(criticalMessage_);
}

}  // namespace sw4
