#pragma once

#include <QObject>

class CToolTipCtrl;

// Watches the windows of a tooltip control's tools and shows the tool's text
// when Qt asks a window for its tooltip.
class ToolTipFilter : public QObject {
public:
    ToolTipFilter(CToolTipCtrl* owner, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CToolTipCtrl* m_owner;
};
