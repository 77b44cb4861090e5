// Executor: the shape of the functions through which the library hands work
// to a thread — the app's UI thread (MainQueue.h) or a background pool
// (BackgroundExecutor.h). A host app installs its own there.
#pragma once

#include <functional>

namespace tal::platform {

/// One piece of work.
using Task = std::function<void()>;

/// Runs a task somewhere, later or at once. An executor the app installs
/// must run every task it accepts exactly once and must not throw; the
/// library may call it from any thread, at any time until it is replaced,
/// static destruction included.
using Executor = std::function<void(Task)>;

}  // namespace tal::platform
