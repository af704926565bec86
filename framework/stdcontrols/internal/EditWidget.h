#pragma once

#include "framework/window/internal/ControlWidget.h"

#include <QLineEdit>

class EditLimitValidator;

// A single-line edit. Only the user's own changes notify EN_CHANGE; text set
// by the program does not. A border comes with WS_BORDER or
// WS_EX_CLIENTEDGE; ES_RIGHT and ES_CENTER align the text, ES_READONLY makes
// it read-only. The text always scrolls sideways as the caret moves.
class EditWidget : public QLineEdit, public ControlWidget {
public:
    explicit EditWidget(QWidget* parent);

    // The most characters the user can bring the text to (EM_LIMITTEXT).
    void SetLimit(int limit);
    int Limit() const;
    // The caret's rectangle in the edit's coordinates.
    QRect CaretRect() const { return cursorRect(); }

    QString DisplayText() const override { return text(); }
    void SetDisplayText(const QString& text) override;
    void ApplyStyle(DWORD style, DWORD exStyle) override;

private:
    EditLimitValidator* m_limit = nullptr;
};
