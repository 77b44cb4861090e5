// MainQueue: the serial queue that stands for the app's main thread. Work
// posted to it runs later, one item at a time, in posting order: on the
// queue's own thread by default, or on whichever thread the app calls
// drain() from when the app runs its own event loop. An app with a UI
// thread of its own hands the library its poster instead
// (setMainThreadPoster), and the library's main-thread work goes there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Executor.h"

namespace tal::platform {

/// The serial queue standing for the app's main thread: work runs one item at a time, in posting order.
class TAL_EXPORT MainQueue {
 public:
  enum class Mode : std::uint8_t {
    ownThread,   ///< a thread of the queue's own runs the work, started on first need
    appDrained,  ///< work waits until the app calls drain()
  };

  explicit MainQueue(Mode mode = Mode::ownThread);
  /// As close().
  ~MainQueue();
  MainQueue(const MainQueue&) = delete;
  MainQueue& operator=(const MainQueue&) = delete;

  /// Queues `work` and returns; it never runs before this call returns, even
  /// from inside the queue. An empty function is ignored. An exception that
  /// escapes the work is dropped so that later work still runs.
  void async(std::function<void()> work);

  /// In appDrained mode: runs, on the calling thread and in order, the work
  /// queued before the call (work queued meanwhile waits for the next
  /// drain); returns how many items ran. Waits for an item still running on
  /// the queue's own thread first. Returns 0 without running anything in
  /// ownThread mode or when called from inside an item of this queue.
  std::size_t drain();

  /// Switches mode. Waiting work is kept and runs in order under the new
  /// mode; an item running at the time finishes first.
  void setMode(Mode mode);
  [[nodiscard]] Mode mode() const;

  /// Items queued and not yet started.
  [[nodiscard]] std::size_t pendingCount() const;

  /// In ownThread mode: blocks until nothing is queued or running and
  /// returns true. Returns false at once in appDrained mode or from inside
  /// an item of this queue (it would wait for itself).
  bool waitUntilIdle();

  /// Whether the calling thread is running an item of this queue now.
  [[nodiscard]] bool isCurrent() const;

  /// Drops work not yet started, lets a running item finish and joins the
  /// queue's thread; from then on async() ignores new work and drain()
  /// returns 0. Closing twice is harmless.
  void close();

  /// The app's main queue, in ownThread mode until the app switches it.
  /// Never destroyed: it is closed when static destruction reaches it, so
  /// work posted to it from then on is dropped.
  [[nodiscard]] static MainQueue& main();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

/// Hands all later main-thread work of the library (links open there) to
/// `poster`, the app's way of running a task on its UI thread; an empty one
/// restores MainQueue::main(). The library may call the poster from any
/// thread until it is replaced, static destruction included: install an
/// empty poster before the app's UI loop stops.
TAL_EXPORT void setMainThreadPoster(Executor poster);

/// Sends `work` to the main thread: to the app's poster when one is
/// installed, else to MainQueue::main() (where it is dropped once that queue
/// has closed at exit). Never runs `work` before returning, unless the app's
/// poster does. An empty `work`, or a poster that throws, drops it.
TAL_EXPORT void runOnMainThread(Task work);

}  // namespace tal::platform
