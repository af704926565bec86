#pragma once

#include "framework/window/CWnd.h"

// A static text control (see WinStyles.h for its styles). Its text, as any
// window's, keeps the exact bytes it was given.
class CStatic : public CWnd {};
