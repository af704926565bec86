#include "framework/dialog/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>
#include <cstdint>

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const uint64_t magnitude = static_cast<uint64_t>(product < 0 ? -product : product);
    const uint64_t divisor =
        static_cast<uint64_t>(denominator < 0 ? -int64_t{denominator} : int64_t{denominator});
    const int64_t rounded = static_cast<int64_t>((magnitude + divisor / 2) / divisor);
    const int64_t result = negative ? -rounded : rounded;
    if (result < INT32_MIN || result > INT32_MAX)
        return -1;
    return static_cast<int>(result);
}

DialogUnits DialogUnits::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((alphabet / 26 + 1) / 2, metrics.height());
}

QFont DialogUnits::TemplateFont(const std::string& faceName, int pointSize) {
    if (faceName == "MS Sans Serif" || faceName == "MS Shell Dlg" || faceName == "MS Shell Dlg 2") {
        QFont font = QApplication::font();
        if (pointSize != 8 && pointSize > 0) {
            if (font.pointSizeF() > 0)
                font.setPointSizeF(font.pointSizeF() * pointSize / 8.0);
            else
                font.setPixelSize(font.pixelSize() * pointSize / 8);
        }
        return font;
    }
    return QFont(QString::fromStdString(faceName), pointSize);
}

CRect DialogUnits::MapRect(const CRect& rect) const {
    return CRect(ToPixelsX(rect.left), ToPixelsY(rect.top), ToPixelsX(rect.right),
                 ToPixelsY(rect.bottom));
}
