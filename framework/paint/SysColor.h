#pragma once

#include "framework/paint/GdiDefs.h"

// The system colour for a COLOR_* index, read from the application palette so
// that painting follows the desktop theme:
//   COLOR_BTNFACE    Button          COLOR_BTNTEXT     ButtonText
//   COLOR_BTNSHADOW  Dark            COLOR_BTNHIGHLIGHT Light
//   COLOR_3DLIGHT    Midlight        COLOR_3DDKSHADOW  Shadow
//   COLOR_WINDOW     Base            COLOR_WINDOWTEXT  Text
//   COLOR_GRAYTEXT   Text of the disabled group
// Any other index gives black.
COLORREF GetSysColor(int index);
