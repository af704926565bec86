#pragma once

#include "framework/types/CRect.h"
#include "framework/types/WinDefs.h"

class CDC;

// Item states of an owner-drawn control.
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODT_BUTTON = 4;

// What an owner-drawn control gets for one paint.
struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_BUTTON;
    UINT CtlID = 0;
    UINT itemState = 0;
    CDC* pDC = nullptr;
    CRect rcItem;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;
