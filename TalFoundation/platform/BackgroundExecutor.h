// The one shared background executor that asynchronous operations run on:
// the app's own executor when it installed one, otherwise a small fixed
// thread pool of the library's, created on first use and joined at exit.
#pragma once

#include "TalFoundation/platform/Executor.h"

#include "TalFoundation/Export.h"

namespace tal::platform {

/// Runs `work` in the background and returns; an empty `work` is ignored.
/// - From inside background work (the pool's or the app executor's), runs
///   `work` inline before returning, so work that waits on other background
///   work cannot starve the pool.
/// - Once the library's pool has shut down at exit (and no app executor is
///   installed), runs `work` inline on the calling thread. Work queued
///   before the shutdown still runs before the pool's threads end.
/// - An exception that escapes `work` is caught and dropped.
/// - An app executor that throws instead of taking the task: `work` runs
///   inline.
TAL_EXPORT void runInBackground(Task work);

/// Hands all later background work to `executor`; an empty one restores the
/// library's pool. Install an empty executor before the one installed stops
/// running tasks (the library may call it during static destruction).
TAL_EXPORT void setBackgroundExecutor(Executor executor);

}  // namespace tal::platform
