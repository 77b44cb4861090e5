// DecodingError lives in platform/ now, where every JSON reader reaches it;
// this header keeps the old path working.
#pragma once

#include "TalFoundation/platform/DecodingError.h"
