// The library's version: the one place CMake and code read it from.
#pragma once

#include "TalFoundation/Export.h"

namespace tal {
inline constexpr const char* kVersionText = "1.0.0";
}  // namespace tal

/// The library's version number.
extern "C" TAL_EXPORT const double TalFoundationVersionNumber;
/// "@(#)PROGRAM:TalFoundation  PROJECT:TalFoundation-1" and a line feed.
extern "C" TAL_EXPORT const unsigned char TalFoundationVersionString[];
