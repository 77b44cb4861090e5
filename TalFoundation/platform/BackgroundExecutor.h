// The one shared background executor that asynchronous operations run on:
// a small fixed thread pool, created on first use and joined at exit.
#pragma once

#include <functional>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// Runs `work` on the shared pool. Work posted while the process exits may
/// not run.
TAL_EXPORT void runInBackground(std::function<void()> work);

}  // namespace tal::platform
