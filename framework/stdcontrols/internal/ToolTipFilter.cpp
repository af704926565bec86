#include "framework/stdcontrols/internal/ToolTipFilter.h"

#include "framework/stdcontrols/CToolTipCtrl.h"
#include "framework/types/ByteText.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

ToolTipFilter::ToolTipFilter(CToolTipCtrl* owner, QObject* parent)
    : QObject(parent), m_owner(owner) {}

bool ToolTipFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* window = static_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);
    const CToolTipCtrl::Tool* tool =
        m_owner->ToolAt(window, CPoint(help->pos().x(), help->pos().y()));
    if (!m_owner->IsActive() || tool == nullptr || tool->text.empty()) {
        QToolTip::hideText();
        return true;
    }
    const QRect area = tool->hasRect ? QRect(tool->rect.left, tool->rect.top, tool->rect.Width(),
                                             tool->rect.Height())
                                     : window->rect();
    QToolTip::showText(help->globalPos(), ByteText::ToDisplay(tool->text), window, area);
    return true;
}
