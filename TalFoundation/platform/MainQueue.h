// MainQueue: the serial queue that stands for the app's main thread. Work
// posted to it runs later, one item at a time, in posting order: on the
// queue's own thread by default, or on whichever thread the app calls
// drain() from when the app runs its own event loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "TalFoundation/Export.h"

namespace tal::platform {

class TAL_EXPORT MainQueue {
 public:
  enum class Mode : std::uint8_t {
    ownThread,   ///< a thread of the queue's own runs the work, started on first need
    appDrained,  ///< work waits until the app calls drain()
  };

  explicit MainQueue(Mode mode = Mode::ownThread);
  /// Drops work not yet started, lets a running item finish and joins the
  /// queue's thread.
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

  /// The app's main queue, in ownThread mode until the app switches it.
  [[nodiscard]] static MainQueue& main();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tal::platform
