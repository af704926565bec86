#pragma once

#include "framework/stdcontrols/CButton.h"

#include <string>
#include <vector>

// A button that logs the messages the framework forwards to it, and can
// swallow one message in PreTranslateMessage or keep a press from the
// widget.
class EventWnd : public CButton {
public:
    std::vector<std::string> log;
    UINT swallow = 0; // a message PreTranslateMessage swallows
    bool withholdPress = false;
    std::vector<UINT> moveFlags;
    std::vector<CPoint> movePoints;
    CWnd* killedFor = nullptr;
    int paints = 0;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN || msg->message == WM_LBUTTONDOWN)
            log.push_back("pretranslate " + std::to_string(msg->message));
        return msg->message == swallow;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= 0x8000)
            log.push_back("posted " + std::to_string(message) + " " + std::to_string(wParam));
        return CButton::WindowProc(message, wParam, lParam);
    }
    void OnMouseMove(UINT flags, CPoint point) override {
        moveFlags.push_back(flags);
        movePoints.push_back(point);
        CButton::OnMouseMove(flags, point);
    }
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override {
        if (wnd == this && hitTest == HTCLIENT && message == WM_MOUSEMOVE)
            log.push_back("cursor");
        return FALSE;
    }
    void OnMouseLeave() override {
        log.push_back("leave");
        CButton::OnMouseLeave();
    }
    void OnLButtonDown(UINT flags, CPoint point) override {
        log.push_back("down");
        if (!withholdPress)
            CButton::OnLButtonDown(flags, point);
    }
    void OnSetFocus(CWnd* old) override {
        log.push_back("setfocus");
        CButton::OnSetFocus(old);
    }
    void OnKillFocus(CWnd* next) override {
        log.push_back("killfocus");
        killedFor = next;
        CButton::OnKillFocus(next);
    }
    void OnSysColorChange() override {
        log.push_back("syscolor");
        CButton::OnSysColorChange();
    }
    void OnTimer(UINT_PTR id) override { log.push_back("timer " + std::to_string(id)); }
    void OnPaint() override {
        ++paints;
        CButton::OnPaint();
    }
    void OnDestroy() override { log.push_back("destroy"); }
};
