#pragma once
#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sessions/session_runner.h"

namespace sw4::robust {

// What a child process records where its parent can read it even after the child died: the
// lines it ran (each recorded before it runs), how many it has started, and the broken rule.
class SharedLog {
 public:
  SharedLog();
  ~SharedLog();
  SharedLog(const SharedLog&) = delete;
  SharedLog& operator=(const SharedLog&) = delete;

  void record(const std::string& line);
  void progress(long started) { header_->started.store(started, std::memory_order_relaxed); }
  void setMessage(const std::string& m);
  void setTicks(long n) { header_->ticks.store(n, std::memory_order_relaxed); }
  long ticks() const { return header_->ticks.load(std::memory_order_relaxed); }

  long started() const { return header_->started.load(std::memory_order_relaxed); }
  std::string message() const;
  std::vector<std::string> lines() const;
  void reset();

 private:
  struct Header {
    std::atomic<long> started;
    std::atomic<std::size_t> bytes;
    std::atomic<long> ticks;
    char message[4096];
  };
  Header* header_;
  char* data_;
  std::size_t capacity_;
  std::size_t mapped_;
};

enum class End { Clean, Broken, Crashed, Hung };
const char* endName(End e);

struct ChildResult {
  End end = End::Clean;
  long actions = 0;                // lines started
  long ticks = 0;                  // ticks run to their end, when the child ended by itself
  std::string message;             // the broken rule, or how the child died
  std::vector<std::string> lines;  // as the child recorded them; kept only when it failed
};

struct ChildLimits {
  double stallSeconds = 120;  // a line that runs longer than this is a hang
  bool quiet = false;         // the child's standard error goes nowhere
};

// Runs jobs in child processes, at most `jobs` at a time. A job runs in the child with a shared
// log and returns its outcome; the parent tells a clean end, a broken rule, a crash (a signal,
// a sanitizer's exit status) and a hang apart.
class ChildPool {
 public:
  using Job = std::function<Outcome(SharedLog&)>;
  ChildPool(int jobs, ChildLimits limits);
  ~ChildPool();

  // Starts a job, first waiting for a free slot: whatever ended while waiting is kept for
  // wait().
  void start(std::uint64_t tag, Job job);
  // The jobs that have ended so far, without waiting.
  std::vector<std::pair<std::uint64_t, ChildResult>> takeFinished();
  // Waits for one job to end; nothing when none is left.
  std::optional<std::pair<std::uint64_t, ChildResult>> wait();

 private:
  struct Running {
    pid_t pid;
    std::uint64_t tag;
    SharedLog* log;
    long lastStarted;
    double lastChange;
  };
  bool pollOnce(std::vector<std::pair<std::uint64_t, ChildResult>>& done);

  int jobs_;
  ChildLimits limits_;
  std::vector<std::unique_ptr<SharedLog>> logs_;
  std::vector<SharedLog*> freeLogs_;
  std::vector<Running> running_;
  std::vector<std::pair<std::uint64_t, ChildResult>> finished_;
};

// One job in one child.
ChildResult runInChild(const ChildPool::Job& job, const ChildLimits& limits);

}  // namespace sw4::robust
