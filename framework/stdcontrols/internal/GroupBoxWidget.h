#pragma once

#include "framework/window/internal/ControlWidget.h"

#include <QGroupBox>

// A group box: an etched frame with its title set into the top line, drawn
// behind the controls it frames. It is not the parent of those controls and
// lets the mouse through to them.
class GroupBoxWidget : public QGroupBox, public ControlWidget {
public:
    explicit GroupBoxWidget(QWidget* parent);

    QString DisplayText() const override { return title(); }
    void SetDisplayText(const QString& text) override { setTitle(text); }
    void ApplyStyle(DWORD, DWORD) override {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
