#include "framework/stdcontrols/internal/EditWidget.h"

#include "framework/stdcontrols/internal/EditLimitValidator.h"
#include "framework/types/WinMessages.h"
#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <limits>

EditWidget::EditWidget(QWidget* parent) : QLineEdit(parent) {
    // Members first: making a child sends this widget events.
    m_limit = new EditLimitValidator(this);
    setValidator(m_limit);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_limit->SetPrevious(text); });
    connect(this, &QLineEdit::textEdited, this,
            [this] { WndRecord::NotifyParent(this, EN_CHANGE); });
}

void EditWidget::SetLimit(int limit) {
    m_limit->SetLimit(limit > 0 ? limit : std::numeric_limits<int>::max());
}

int EditWidget::Limit() const {
    return m_limit->Limit();
}

void EditWidget::SetDisplayText(const QString& text) {
    // Text from the program is taken whole, whatever the limit.
    m_limit->SetPrevious(text);
    setText(text);
}

void EditWidget::ApplyStyle(DWORD style, DWORD exStyle) {
    setFocusPolicy(style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    setFrame((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE));
    setReadOnly(style & ES_READONLY);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (style & ES_RIGHT)
        alignment = Qt::AlignRight;
    else if (style & ES_CENTER)
        alignment = Qt::AlignHCenter;
    setAlignment(alignment | Qt::AlignVCenter);
}
