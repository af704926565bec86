#pragma once

#include "framework/types/ScopedHook.h"
#include "framework/types/WinDefs.h"

// The milliseconds since the system started, in 32 bits: the count wraps
// to 0 after about 49.7 days, so elapsed times are unsigned differences.
// While a TickCountHook lives, GetTickCount returns what its handler returns
// instead, so that tests set the time.
DWORD GetTickCount();

struct TickCountHookTag;
using TickCountHook = ScopedHook<TickCountHookTag, DWORD()>;
