// The icons and bitmaps compiled into the resource library and the files
// installed for the desktop: every icon the dialogs load is present, parses,
// has its natural size and draws a picture inside its own box on a
// transparent ground; the light bulb is drawn on white.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <map>

namespace {

struct IconCase {
    const char* name; // resource ":/icons/<name>.svg"
    int size;         // natural width and height in pixels
};

// Every icon the program loads, with the size it is shown at.
const IconCase kIcons[] = {
    {"128", 32}, // application icon
    {"128-16", 16}, {"132", 16}, {"133", 16}, {"134", 32}, {"135", 32}, {"136", 32}, {"137", 32},
    {"140", 16},    {"141", 32}, {"142", 32}, {"143", 16}, {"144", 16}, {"145", 32}, {"146", 16},
};

QString ResourcePath(const IconCase& icon) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon.name));
}

// Draws the picture's box at `box` on a transparent canvas of `canvas` pixels.
QImage Render(QSvgRenderer& renderer, int canvas, const QRectF& box) {
    QImage image(canvas, canvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, box);
    return image;
}

int CountPainted(const QImage& image, const QRect& area) {
    int painted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                ++painted;
    return painted;
}

TEST(IconResources, EachIconLoadsAtItsNaturalSizeAndDrawsAPicture) {
    for (const IconCase& icon : kIcons) {
        SCOPED_TRACE(icon.name);
        const QString path = ResourcePath(icon);
        ASSERT_TRUE(QFile::exists(path));
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), QSize(icon.size, icon.size));
        // One user unit per pixel keeps edges drawn on whole pixels crisp.
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, icon.size, icon.size));

        const QImage image = Render(renderer, icon.size, QRectF(0, 0, icon.size, icon.size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the ground must stay transparent";
        EXPECT_GT(CountPainted(image, image.rect()), icon.size * icon.size / 8)
            << "too little is drawn to be recognised";
    }
}

// A shape that reaches past the edge of the box is cut off where the icon is
// shown, so draw each icon centred on a canvas twice its size and look for
// paint in the margin.
TEST(IconResources, NothingIsDrawnOutsideTheIconBox) {
    for (const IconCase& icon : kIcons) {
        SCOPED_TRACE(icon.name);
        QSvgRenderer renderer(ResourcePath(icon));
        const int n = icon.size;
        const QImage image = Render(renderer, 2 * n, QRectF(n / 2, n / 2, n, n));
        const QRect box(n / 2, n / 2, n, n);
        EXPECT_EQ(CountPainted(image, image.rect()), CountPainted(image, box));
    }
}

// Catches an icon file saved over another one (an arrow copied but never
// turned round, a lens left the wrong colour).
TEST(IconResources, NoTwoIconsDrawTheSamePicture) {
    std::map<int, std::vector<std::pair<const char*, QImage>>> bySize;
    for (const IconCase& icon : kIcons) {
        QSvgRenderer renderer(ResourcePath(icon));
        const QImage image = Render(renderer, icon.size, QRectF(0, 0, icon.size, icon.size));
        for (const auto& [other, seen] : bySize[icon.size])
            EXPECT_NE(image, seen) << icon.name << " looks the same as " << other;
        bySize[icon.size].emplace_back(icon.name, image);
    }
}

// The link cursor points with its top-left corner, its hot spot, and shows
// the underlined letters in blue below the arrow.
TEST(CursorResources, TheLinkCursorPointsFromItsCornerOverBlueLetters) {
    const QString path = QStringLiteral(":/cursors/129.svg");
    ASSERT_TRUE(QFile::exists(path));
    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(32, 32));
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 32, 32));
    const QImage image = Render(renderer, 32, QRectF(0, 0, 32, 32));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << "the tip";
    EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0) << "the ground must stay transparent";
    int blue = 0;
    for (int y = 20; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 0xC0))
                ++blue;
    EXPECT_GT(blue, 40);
    const QImage framed = Render(renderer, 64, QRectF(16, 16, 32, 32));
    EXPECT_EQ(CountPainted(framed, framed.rect()), CountPainted(framed, QRect(16, 16, 32, 32)));
}

TEST(IconResources, ScalableApplicationIconIsASquarePicture) {
    QSvgRenderer renderer(QStringLiteral(VODIZUZI_RES_DIR "/vodizuzi.svg"));
    ASSERT_TRUE(renderer.isValid());
    const QSize size = renderer.defaultSize();
    EXPECT_EQ(size.width(), size.height());
    EXPECT_GE(size.width(), 128);
    const QImage image = Render(renderer, 64, QRectF(0, 0, 64, 64));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_GT(CountPainted(image, image.rect()), 64 * 64 / 8);
}

TEST(BitmapResources, TheLightBulbIsAYellowPictureOnWhite40By53) {
    QSvgRenderer renderer(QStringLiteral(":/bitmaps/104.svg"));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(40, 53));
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 40, 53));
    QImage image(40, 53, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    // The dialog copies the bitmap onto its white tip area: a ground of any
    // other colour, or a transparent one, would show as a box.
    for (QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 52), QPoint(39, 52)})
        EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255));
    int yellow = 0, black = 0;
    for (int y = 0; y < 53; ++y)
        for (int x = 0; x < 40; ++x) {
            const QColor c = image.pixelColor(x, y);
            yellow += c.red() > 220 && c.green() > 220 && c.blue() < 60;
            black += c.red() < 40 && c.green() < 40 && c.blue() < 40;
        }
    EXPECT_GT(yellow, 40 * 53 / 6) << "the glass is yellow";
    EXPECT_GT(black, 40) << "outline and exclamation mark";
}

// Reads the "[Desktop Entry]" group of a desktop file as key -> value.
std::map<QString, QString> ReadDesktopEntry(const QString& path) {
    std::map<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    QTextStream in(&file);
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && !line.startsWith(u'#') && line.contains(u'='))
            entry[line.section(u'=', 0, 0)] = line.section(u'=', 1);
    }
    return entry;
}

TEST(DesktopEntry, StartsTheProgramUnderItsNameAndIcon) {
    const auto entry = ReadDesktopEntry(QStringLiteral(VODIZUZI_RES_DIR "/vodizuzi.desktop"));
    const std::pair<const char*, const char*> expected[] = {
        {"Type", "Application"}, {"Name", "VO Dizuzi"}, {"Exec", "vodizuzi"},
        {"Icon", "vodizuzi"},    {"Terminal", "false"},
    };
    for (const auto& [key, value] : expected) {
        SCOPED_TRACE(key);
        const auto found = entry.find(QLatin1String(key));
        ASSERT_NE(found, entry.end());
        EXPECT_EQ(found->second, QLatin1String(value));
    }
    // The icon theme finds the icon by the installed file's base name.
    EXPECT_TRUE(QFile::exists(QStringLiteral(VODIZUZI_RES_DIR "/vodizuzi.svg")));
}

} // namespace
