#pragma once

#include "framework/window/internal/ControlWidget.h"

#include <QImage>
#include <QWidget>

class QPainter;

// A static text control: the text at the top, left-aligned, centred
// (SS_CENTER) or right-aligned (SS_RIGHT), "&" underlining the next letter
// unless SS_NOPREFIX. A static at least two lines high wraps words
// (SS_LEFTNOWORDWRAP never does); otherwise the text is cut at the right
// edge, never elided. WS_EX_STATICEDGE or SS_SUNKEN draws a 1-pixel sunken
// frame (shadow colour above and left, highlight colour below and right)
// inside which the text stands. With SS_ICON it shows the icon resource its
// text names ("#128") instead, at the icon's size, and takes that size (with
// its frame). Before painting its text, a static asks its parent
// (WM_CTLCOLORSTATIC) for the brush of its background, inside the edge, and
// for its text colour; without a brush the parent's background shows, and
// the text is always drawn without a background of its own. SS_BLACKFRAME
// draws only a 1-pixel black frame; SS_BITMAP without an image draws
// nothing. Mouse input passes on to the parent. A static with WS_TABSTOP
// takes the focus from the keyboard and frames its text while it has it. A
// change of the text is announced to accessibility as a change of its name.
class StaticWidget : public QWidget, public ControlWidget {
public:
    explicit StaticWidget(QWidget* parent);

    QString DisplayText() const override { return m_text; }
    void SetDisplayText(const QString& text) override;
    void ApplyStyle(DWORD style, DWORD exStyle) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool HasEdge() const;
    bool ShowsIcon() const;
    // Loads the icon the text names, when the style asks for one, and takes
    // its size.
    void UpdateIcon();
    // The edge, then the icon or the text.
    void PaintContent(QPainter& painter);
    QString m_text;
    QImage m_icon;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
};
