#include "framework/paint/internal/TextLayout.h"

#include "framework/paint/GdiDefs.h"
#include "framework/types/ByteText.h"

#include <QRect>
#include <QStringList>
#include <algorithm>

TextLayout::TextLayout(const QFont& font, const QPaintDevice* device, std::string_view text,
                       UINT format, int wrapWidth)
    : m_metrics(font, device),
      m_lineFlags(Qt::TextSingleLine | ((format & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic)) {
    QString shown = ByteText::ToDisplay(text);
    if (format & DT_SINGLELINE) {
        m_lines.push_back({shown, Width(shown)});
        return;
    }
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : shown.split(QLatin1Char('\n'))) {
        if (format & DT_WORDBREAK)
            AddWrapped(paragraph, wrapWidth);
        else
            m_lines.push_back({paragraph, Width(paragraph)});
    }
}

QSize TextLayout::Extent() const {
    int width = 0;
    for (const Line& line : m_lines)
        width = std::max(width, line.width);
    return QSize(width, LineHeight() * static_cast<int>(m_lines.size()));
}

int TextLayout::Width(const QString& line) const {
    return line.isEmpty() ? 0 : m_metrics.boundingRect(QRect(), m_lineFlags, line).width();
}

void TextLayout::AddWrapped(const QString& paragraph, int wrapWidth) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && Width(longer) > wrapWidth) {
            m_lines.push_back({line, Width(line)});
            line = word;
        } else {
            line = longer;
        }
    }
    m_lines.push_back({line, Width(line)});
}
