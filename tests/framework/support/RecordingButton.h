#pragma once

#include "framework/stdcontrols/CButton.h"

#include <vector>

// An owner-drawn button that records its paints and, when told to, turns a
// double click into a second press as an icon button does.
class RecordingButton : public CButton {
public:
    std::vector<UINT> drawStates; // itemState of each DrawItem
    std::vector<UINT> drawIds;    // CtlID of each DrawItem
    CRect lastItem;
    bool pressOnDoubleClick = false;
    bool subclassed = false;

    void DrawItem(LPDRAWITEMSTRUCT item) override {
        drawStates.push_back(item->itemState);
        drawIds.push_back(item->CtlID);
        lastItem = item->rcItem;
    }

protected:
    void PreSubclassWindow() override {
        subclassed = true;
        SetButtonStyle(BS_OWNERDRAW, TRUE);
    }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (pressOnDoubleClick && message == WM_LBUTTONDBLCLK)
            message = WM_LBUTTONDOWN;
        return CButton::DefWindowProc(message, wParam, lParam);
    }
};
