#pragma once

#include "framework/window/internal/ControlWidget.h"

#include <QListWidget>

// A list box of text lines in the order they were added. Lines wider than
// the box are cut at its right edge: nothing is elided and the box never
// scrolls sideways. LBS_NOSEL leaves every line unselected; WS_VSCROLL shows
// a vertical scroll bar when the lines do not fit. A border comes with
// WS_BORDER, WS_EX_CLIENTEDGE or (1-pixel sunken) WS_EX_STATICEDGE. With
// LBS_NOTIFY a double click on a line notifies the parent (LBN_DBLCLK).
class ListBoxWidget : public QListWidget, public ControlWidget {
public:
    explicit ListBoxWidget(QWidget* parent);

    QString DisplayText() const override { return windowTitle(); }
    void SetDisplayText(const QString& text) override { setWindowTitle(text); }
    void ApplyStyle(DWORD style, DWORD exStyle) override;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;

private:
    bool m_notify = false;
};
