#include "TalFoundation/Version.h"

extern "C" const double TalFoundationVersionNumber = 1.0;
extern "C" const unsigned char TalFoundationVersionString[] = "@(#)PROGRAM:TalFoundation  PROJECT:TalFoundation-1\n";
