#pragma once

#include "framework/types/CRect.h"
#include "framework/window/CWnd.h"

#include <string>
#include <vector>

class ToolTipFilter;

// A tooltip control: texts for tools (a window, or a rectangle of it, with
// an id), shown through Qt's tooltips when the pointer rests on a tool while
// the control is active. Its window is an invisible child of the parent.
// The text of a window's first tool is also the window's description to
// accessibility (a screen reader reads it as a sighted user reads the tip).
class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    // Makes the control's window; FALSE when it exists already or the parent
    // has no window. A new control is active.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // Adds a tool: pWnd's whole client area, or lpRectTool in its client
    // coordinates. FALSE without a window.
    BOOL AddTool(CWnd* pWnd, const std::string& text, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void UpdateTipText(const std::string& text, CWnd* pWnd, UINT_PTR nIDTool = 0);
    // The tool's text; empty when there is no such tool.
    void GetText(std::string& text, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    // An inactive control shows no tips (and hides one being shown).
    void Activate(BOOL bActivate);
    BOOL IsActive() const { return m_active; }
    // Mouse messages of the tools pass here; a button press hides the tip.
    void RelayEvent(MSG* pMsg);

private:
    friend class ToolTipFilter;
    struct Tool {
        HWND window;
        UINT_PTR id;
        std::string text;
        bool hasRect;
        CRect rect;
    };
    // The tool of `window` under `point` (client coordinates), or null.
    const Tool* ToolAt(HWND window, CPoint point) const;
    // Makes the text of `window`'s first tool its accessible description.
    void Describe(HWND window) const;
    Tool* Find(HWND window, UINT_PTR id);
    const Tool* Find(HWND window, UINT_PTR id) const;

    std::vector<Tool> m_tools;
    BOOL m_active = TRUE;
    ToolTipFilter* m_filter = nullptr;
};
