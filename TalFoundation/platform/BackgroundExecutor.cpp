#include "TalFoundation/platform/BackgroundExecutor.h"

#include <boost/asio/post.hpp>
#include <boost/asio/thread_pool.hpp>
#include <utility>

namespace tal::platform {

namespace {

boost::asio::thread_pool& pool() {
  // Two threads: conversions are short, and the app's phones have few cores.
  // Destroyed (stopped and joined) with the other statics at exit.
  static boost::asio::thread_pool instance(2);
  return instance;
}

}  // namespace

void runInBackground(std::function<void()> work) { boost::asio::post(pool(), std::move(work)); }

}  // namespace tal::platform
