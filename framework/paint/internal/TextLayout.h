#pragma once

#include "framework/types/WinDefs.h"

#include <QFontMetrics>
#include <QSize>
#include <QString>
#include <string_view>
#include <vector>

// How DrawText lays out text bytes in a font: the lines it shows, each with
// its width in whole pixels, as GDI does it. A line feed (or CR LF, or CR)
// starts a new line unless DT_SINGLELINE; DT_WORDBREAK breaks lines at spaces
// so that they fit the wrap width (a longer word stands alone); without
// DT_NOPREFIX "&x" shows x underlined and "&&" one ampersand.
class TextLayout {
public:
    struct Line {
        QString text;
        int width;
    };

    TextLayout(const QFont& font, const QPaintDevice* device, std::string_view text, UINT format,
               int wrapWidth);

    const std::vector<Line>& Lines() const { return m_lines; }
    int LineHeight() const { return m_metrics.height(); }
    // The widest line x the lines' total height.
    QSize Extent() const;
    // QPainter::drawText flags that draw one line as measured.
    int LineFlags() const { return m_lineFlags; }

private:
    int Width(const QString& line) const;
    void AddWrapped(const QString& paragraph, int wrapWidth);

    QFontMetrics m_metrics;
    int m_lineFlags;
    std::vector<Line> m_lines;
};
