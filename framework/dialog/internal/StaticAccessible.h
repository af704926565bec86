#pragma once

#include "framework/types/WinDefs.h"

#include <QAccessibleWidget>

class StaticWidget;

// A static control to accessibility. A text static is a label named by its
// shown text (mnemonic marks dropped, unless SS_NOPREFIX shows "&" as it
// is); an icon, bitmap or frame static is a graphic. A static that is a tab
// stop is a link, named by its text, whose press action clicks it as the
// mouse would.
class StaticAccessible : public QAccessibleWidget {
public:
    explicit StaticAccessible(StaticWidget* widget);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    DWORD Style() const;
    bool IsLink() const;
};
