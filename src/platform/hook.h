#pragma once
#include <algorithm>
#include <cstddef>
#include <memory>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

namespace sw4 {

// A hook that several listeners can attach to side by side. add() gives a handle for remove().
// Calling a void hook runs every listener in the order they were added; calling a bool hook asks
// the listeners in turn until one answers true (none: false). A listener may add or remove
// listeners, itself included, while it runs.
template <class Signature>
class Hook;

template <class R, class... Args>
class Hook<R(Args...)> {
 public:
  using Listener = std::function<R(Args...)>;
  using Handle = int;

  Handle add(Listener f) {
    entries_.push_back(std::make_unique<Entry>(Entry{++last_, true, std::move(f)}));
    return last_;
  }
  void remove(Handle h) {
    for (auto& e : entries_)
      if (e->handle == h) e->alive = false;
    removed_ = true;
    if (depth_ == 0) compact();
  }
  bool empty() const {
    return std::none_of(entries_.begin(), entries_.end(), [](const auto& e) { return e->alive; });
  }

  R operator()(Args... args) {
    ++depth_;
    struct Leave {
      Hook& hook;
      ~Leave() {
        if (--hook.depth_ == 0 && hook.removed_) hook.compact();
      }
    } leave{*this};
    // Listeners added during the call wait for the next one.
    const std::size_t n = entries_.size();
    if constexpr (std::is_same_v<R, bool>) {
      for (std::size_t i = 0; i < n; ++i)
        if (entries_[i]->alive && entries_[i]->listener(args...)) return true;
      return false;
    } else {
      for (std::size_t i = 0; i < n; ++i)
        if (entries_[i]->alive) entries_[i]->listener(args...);
    }
  }

 private:
  struct Entry {
    Handle handle;
    bool alive;
    Listener listener;
  };
  void compact() {
    std::erase_if(entries_, [](const auto& e) { return !e->alive; });
    removed_ = false;
  }

  std::vector<std::unique_ptr<Entry>> entries_;  // an entry stays put while a listener adds one
  Handle last_ = 0;
  int depth_ = 0;
  bool removed_ = false;
};

}  // namespace sw4
