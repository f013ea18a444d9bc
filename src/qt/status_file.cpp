#include "qt/status_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "qt/control_binding.h"
#include "qt/main_window.h"

namespace sw4 {

StatusFile::StatusFile(const Sim& sim, MainWindow& window) : sim_(sim), window_(window) {
  const char* path = std::getenv("SW4_STATUS_FILE");
  if (!path || !*path) return;
  path_ = path;
  connect(&timer_, &QTimer::timeout, this, [this] { write(); });
  timer_.start(250);
  write();
}

void StatusFile::write() {
  const Control& ti = sim_.form.Ti;
  const std::string next = path_ + ".new";
  {
    std::ofstream out(next, std::ios::trunc);
    out << "beat " << ++beat_ << " ticks " << sim_.world.TickCount << " running "
        << (ti.enabled() && ti.interval() > 0 ? 1 : 0) << "\n";
    for (QWidget* w : window_.findChildren<QWidget*>()) {
      const Control* c = window_.controls().controlOf(w);
      if (!c || !w->isVisible() || !w->isEnabled()) continue;
      const QRect r(w->mapTo(&window_, QPoint(0, 0)), w->size());
      out << "control " << c->fullName() << " " << r.x() << " " << r.y() << " " << r.width()
          << " " << r.height() << "\n";
    }
  }
  std::rename(next.c_str(), path_.c_str());  // a reader never sees half a line
}

}  // namespace sw4
