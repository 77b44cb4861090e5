// Error: the value that asynchronous operations hand to their completions
// when they fail — a domain naming who reported it, a code within that
// domain, and a human-readable description.
#pragma once

#include <string>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// What a failed asynchronous operation hands its completion: the reporting domain, a code within it, a description.
struct TAL_EXPORT Error {
  std::string domain;
  int code = 0;
  std::string localizedDescription;

  friend bool operator==(const Error&, const Error&) = default;
};

}  // namespace tal::platform

namespace tal {
using platform::Error;
}  // namespace tal
