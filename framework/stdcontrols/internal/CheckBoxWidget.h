#pragma once

#include "framework/window/internal/ControlWidget.h"

#include <QCheckBox>

// An automatic check box. Its text stands right of the box, centred
// vertically, left-aligned or centred (BS_CENTER) and wrapped over several
// lines with BS_MULTILINE; a click anywhere on it toggles it and notifies
// BN_CLICKED.
class CheckBoxWidget : public QCheckBox, public ControlWidget {
public:
    explicit CheckBoxWidget(QWidget* parent);

    QString DisplayText() const override { return text(); }
    void SetDisplayText(const QString& text) override;
    void ApplyStyle(DWORD style, DWORD exStyle) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    DWORD m_style = 0;
};
