#include "framework/dialog/internal/ControlLabel.h"

#include "framework/dialog/internal/DialogWindow.h"
#include "framework/stdcontrols/internal/GroupBoxWidget.h"
#include "framework/stdcontrols/internal/StaticWidget.h"
#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <vector>

namespace {
bool IsLabel(const QWidget* control) {
    const auto* label = dynamic_cast<const StaticWidget*>(control);
    const WndRecord* record = WndRecord::Find(control);
    if (label == nullptr || record == nullptr || label->isHidden() ||
        label->DisplayText().isEmpty() || (record->Style() & SS_NOPREFIX))
        return false;
    const DWORD type = record->Style() & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP;
}

// The smallest group box whose frame holds `area`, or null.
const GroupBoxWidget* GroupOf(const QRect& area, const std::vector<QPointer<QWidget>>& controls) {
    const GroupBoxWidget* group = nullptr;
    for (const QWidget* control : controls) {
        const auto* box = dynamic_cast<const GroupBoxWidget*>(control);
        if (box == nullptr || box->isHidden() || !box->geometry().contains(area))
            continue;
        const QSize size = box->size();
        if (group == nullptr ||
            size.width() * size.height() < group->size().width() * group->size().height())
            group = box;
    }
    return group;
}

// The nearest label whose right edge is at or left of the control's left
// edge, whose lines meet the control's, in the control's group box.
const QWidget* LabelToTheLeft(const QWidget* control, const GroupBoxWidget* group,
                              const std::vector<QPointer<QWidget>>& controls) {
    const QRect area = control->geometry();
    const QWidget* nearest = nullptr;
    for (const QWidget* candidate : controls) {
        if (!IsLabel(candidate))
            continue;
        const QRect label = candidate->geometry();
        if (label.right() > area.left() || label.bottom() < area.top() ||
            label.top() > area.bottom() || GroupOf(label, controls) != group)
            continue;
        if (nearest == nullptr || label.right() > nearest->geometry().right())
            nearest = candidate;
    }
    return nearest;
}

QString Cleaned(const QString& text) {
    QString label = ControlLabel::WithoutMnemonics(text).trimmed();
    if (label.endsWith(u':'))
        label.chop(1);
    return label.trimmed();
}
} // namespace

QString ControlLabel::WithoutMnemonics(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size())
            break;
        shown += text[i];
    }
    return shown;
}

QString ControlLabel::For(const QWidget* control) {
    const auto* window = dynamic_cast<const DialogWindow*>(control->window());
    if (window == nullptr)
        return QString();
    const auto& controls = window->Controls();
    const GroupBoxWidget* group = GroupOf(control->geometry(), controls);
    const QWidget* label = nullptr;
    for (size_t i = 1; i < controls.size() && label == nullptr; ++i)
        if (controls[i] == control && IsLabel(controls[i - 1]) &&
            GroupOf(controls[i - 1]->geometry(), controls) == group)
            label = controls[i - 1];
    if (label == nullptr)
        label = LabelToTheLeft(control, group, controls);
    if (label != nullptr)
        return Cleaned(static_cast<const StaticWidget*>(label)->DisplayText());
    return group ? Cleaned(group->title()) : QString();
}
