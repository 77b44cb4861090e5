// Threads joined when the group goes out of scope, as a vector of
// std::jthread would be; libc++ 14 has no jthread.
#pragma once

#include <thread>
#include <utility>
#include <vector>

namespace tal::test_support {

class JoinedThreads {
 public:
  JoinedThreads() = default;
  JoinedThreads(const JoinedThreads&) = delete;
  JoinedThreads& operator=(const JoinedThreads&) = delete;
  ~JoinedThreads() { join(); }

  template <typename F>
  void emplace_back(F&& work) {
    threads_.emplace_back(std::forward<F>(work));
  }
  void reserve(std::size_t n) { threads_.reserve(n); }
  void join() {
    for (auto& t : threads_)
      if (t.joinable()) t.join();
    threads_.clear();
  }

 private:
  std::vector<std::thread> threads_;
};

}  // namespace tal::test_support
