// TalFoundation: units, exact decimal conversion, currencies, number text and
// app support for the converter and calculator app. Include this header for
// the whole public API.
#pragma once

#include "TalFoundation/Version.h"
#include "TalFoundation/platform/Decimal.h"
