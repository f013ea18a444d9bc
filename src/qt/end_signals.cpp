#include "qt/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace sw4 {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
int gPipe[2] = {-1, -1};

void onSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

EndSignals::EndSignals(std::function<void()> end) : end_(std::move(end)) {
  if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(gPipe[0], bytes, sizeof bytes) > 0) {
    }
    end_();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  // A signal ignored from the start stays ignored (nohup).
  for (int s : kSignals) {
    struct sigaction before {};
    if (::sigaction(s, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
      ::sigaction(s, &action, nullptr);
  }
}

EndSignals::~EndSignals() {
  for (int s : kSignals) {
    struct sigaction now {};
    if (::sigaction(s, nullptr, &now) == 0 && now.sa_handler == onSignal) ::signal(s, SIG_DFL);
  }
  delete notifier_;
  for (int& fd : gPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace sw4
