#include "sessions/child_runs.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <new>
#include <stdexcept>
#include <thread>
#include <utility>

namespace sw4::robust {

namespace {

constexpr std::size_t kLogBytes = std::size_t{64} << 20;
constexpr int kBrokenStatus = 3;

double seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SharedLog::SharedLog() : mapped_(kLogBytes) {
  void* p = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE,
                 MAP_SHARED | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) throw std::runtime_error("cannot map a shared log");
  header_ = new (p) Header{};
  data_ = static_cast<char*>(p) + sizeof(Header);
  capacity_ = mapped_ - sizeof(Header);
}

SharedLog::~SharedLog() {
  munmap(header_, mapped_);
}

void SharedLog::reset() {
  header_->started.store(0);
  header_->bytes.store(0);
  header_->ticks.store(0);
  header_->message[0] = '\0';
}

void SharedLog::record(const std::string& line) {
  const std::size_t at = header_->bytes.load(std::memory_order_relaxed);
  if (at + line.size() + 1 > capacity_) return;  // the log is full: later lines are not kept
  std::memcpy(data_ + at, line.data(), line.size());
  data_[at + line.size()] = '\n';
  header_->bytes.store(at + line.size() + 1, std::memory_order_release);
}

void SharedLog::setMessage(const std::string& m) {
  const std::size_t n = std::min(m.size(), sizeof header_->message - 1);
  std::memcpy(header_->message, m.data(), n);
  header_->message[n] = '\0';
}

std::string SharedLog::message() const {
  return header_->message;
}

std::vector<std::string> SharedLog::lines() const {
  std::vector<std::string> out;
  const std::size_t n = header_->bytes.load(std::memory_order_acquire);
  std::size_t from = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (data_[i] != '\n') continue;
    out.emplace_back(data_ + from, i - from);
    from = i + 1;
  }
  return out;
}

const char* endName(End e) {
  switch (e) {
    case End::Clean:
      return "clean";
    case End::Broken:
      return "broken rule";
    case End::Crashed:
      return "crashed";
    case End::Hung:
      return "hung";
  }
  return "?";
}

ChildPool::ChildPool(int jobs, ChildLimits limits) : jobs_(std::max(jobs, 1)), limits_(limits) {}

ChildPool::~ChildPool() {
  for (Running& r : running_) {
    kill(r.pid, SIGKILL);
    waitpid(r.pid, nullptr, 0);
  }
}

void ChildPool::start(std::uint64_t tag, Job job) {
  while (static_cast<int>(running_.size()) >= jobs_) {
    if (!pollOnce(finished_)) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  SharedLog* log;
  if (!freeLogs_.empty()) {
    log = freeLogs_.back();
    freeLogs_.pop_back();
  } else {
    // Owned by the pool, so the child's leak checker sees it reachable when the child exits.
    log = logs_.emplace_back(std::make_unique<SharedLog>()).get();
  }
  log->reset();
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (limits_.quiet) {
      const int fd = open("/dev/null", O_WRONLY);
      if (fd >= 0) dup2(fd, 2);
    }
    int status = 0;
    try {
      const Outcome o = job(*log);
      log->progress(o.actions);  // from here on: lines run, not lines started
      log->setTicks(o.ticks);
      if (o.broken) {
        log->setMessage(*o.broken);
        status = kBrokenStatus;
      }
    } catch (const std::exception& e) {
      log->setMessage(std::string("exception: ") + e.what());
      status = kBrokenStatus;
    }
    // exit, not _exit: a leak checker runs at exit. The parent flushed its streams before the
    // fork, so nothing of the parent's is written twice.
    std::exit(status);
  }
  running_.push_back(Running{pid, tag, log, 0, seconds()});
}

bool ChildPool::pollOnce(std::vector<std::pair<std::uint64_t, ChildResult>>& done) {
  bool any = false;
  const double now = seconds();
  for (std::size_t k = 0; k < running_.size();) {
    Running& r = running_[k];
    int status = 0;
    const pid_t got = waitpid(r.pid, &status, WNOHANG);
    ChildResult res;
    bool ended = false;
    if (got == r.pid) {
      ended = true;
      if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        res.end = End::Clean;
      } else if (WIFEXITED(status) && WEXITSTATUS(status) == kBrokenStatus) {
        res.end = End::Broken;
        res.message = r.log->message();
      } else {
        res.end = End::Crashed;
        res.message = WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status)) +
                                                " (" + strsignal(WTERMSIG(status)) + ")"
                                          : "exit status " + std::to_string(WEXITSTATUS(status));
      }
    } else {
      const long started = r.log->started();
      if (started != r.lastStarted) {
        r.lastStarted = started;
        r.lastChange = now;
      } else if (now - r.lastChange > limits_.stallSeconds) {
        kill(r.pid, SIGKILL);
        waitpid(r.pid, nullptr, 0);
        ended = true;
        res.end = End::Hung;
        res.message = "no progress for " + std::to_string(static_cast<int>(limits_.stallSeconds)) +
                      " s at line " + std::to_string(started + 1);
      }
    }
    if (!ended) {
      ++k;
      continue;
    }
    // A child that died was inside line started() + 1.
    const bool died = res.end == End::Crashed || res.end == End::Hung;
    res.actions = r.log->started() + (died ? 1 : 0);
    res.ticks = r.log->ticks();
    if (res.end != End::Clean) res.lines = r.log->lines();
    done.emplace_back(r.tag, std::move(res));
    freeLogs_.push_back(r.log);
    running_.erase(running_.begin() + static_cast<long>(k));
    any = true;
  }
  return any;
}

std::vector<std::pair<std::uint64_t, ChildResult>> ChildPool::takeFinished() {
  pollOnce(finished_);
  return std::exchange(finished_, {});
}

std::optional<std::pair<std::uint64_t, ChildResult>> ChildPool::wait() {
  while (finished_.empty()) {
    if (running_.empty()) return std::nullopt;
    if (!pollOnce(finished_)) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  auto r = std::move(finished_.front());
  finished_.erase(finished_.begin());
  return r;
}

ChildResult runInChild(const ChildPool::Job& job, const ChildLimits& limits) {
  ChildPool pool(1, limits);
  pool.start(0, job);
  return pool.wait()->second;
}

}  // namespace sw4::robust
