#include "framework/window/internal/ProfileFormat.h"
#include "tests/support/TempTree.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
std::string Bytes(const QVariant& value) {
    return value.toByteArray().toStdString();
}

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}
} // namespace

// Profiles that Qt's INI format wrote stay the same files: what it writes for
// text, this format writes too, and reads back. Bytes that Qt's format wrote
// as "@ByteArray(...)" read as those bytes.
TEST(ProfileFormat, WritesTextAsQtsIniFormatAndReadsWhatItWrote) {
    const struct {
        QString key;
        const char* text;
    } texts[] = {
        {"1.10/Ext1", "txt"},
        {"1.10/Empty", ""},
        {"1.10/Blanks", "  blanks at both ends  "},
        {"1.10/Marks", "=;[1.10]#%,"},
        {"1.10/Quotes", "\"quoted\""},
        {"1.10/Controls", "two\nlines\r\nand\ta tab\a\b\f\v"},
        {"1.10/HexAfterEscape", "\x01"
                                "a\x01"
                                "A\x01g\x1f"
                                "f\x01 "},
        {"1.10/At", "@ByteArray(x)"},
        {"1.10/AtBlank", "@ a;"},
        {"1.10/Backslashes", "C:\\folder\\"},
        {"1.10/Utf8", "\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80\x7F"},
        {"General/x", "a section named General"},
        {"top", "a key without a section"},
        {"K e y/a b=c;d", "names escaped"},
        {QString::fromUtf8("S/\xC3\xA9 \xE4\xB8\xAD\\%/x"), "names beyond ASCII"},
        {"[br]/x", "a bracket in a section"},
        {"Z/B", "keys"},
        {"Z/a", "in"},
        {"A-b/x", "order"},
    };
    const struct {
        QString key;
        QByteArray bytes;
    } byteValues[] = {
        {"1.10/Latin1", "caf\xE9"},
        {"1.10/Odd", QByteArray("\x01\x7F\xFF"
                                "1\\\"\0,",
                                8)},
    };
    TempTree tree;
    QSettings::SettingsMap written;
    {
        QSettings text(QString::fromStdString(tree.Path("text.ini")), QSettings::IniFormat);
        for (const auto& t : texts) {
            text.setValue(t.key, QString::fromUtf8(t.text));
            written.insert(t.key, QByteArray(t.text));
        }
        QSettings bytes(QString::fromStdString(tree.Path("bytes.ini")), QSettings::IniFormat);
        for (const auto& b : byteValues)
            bytes.setValue(b.key, b.bytes);
    }
    const std::string qtText = ReadAll(tree.Path("text.ini"));
    EXPECT_EQ(ProfileFormat::Compose(written), qtText);

    const auto readText = ProfileFormat::Parse(qtText);
    const auto readBytes = ProfileFormat::Parse(ReadAll(tree.Path("bytes.ini")));
    ASSERT_TRUE(readText && readBytes);
    EXPECT_EQ(readText->size(), std::size(texts));
    for (const auto& t : texts)
        EXPECT_EQ(Bytes(readText->value(t.key)), t.text) << t.key.toStdString();
    for (const auto& b : byteValues)
        EXPECT_EQ(Bytes(readBytes->value(b.key)), b.bytes.toStdString()) << b.key.toStdString();
}

// Lines as a person writes them, and values that only this format keeps.
TEST(ProfileFormat, ReadsHandWrittenLinesAndKeepsEveryByte) {
    const struct {
        const char* line;
        QString key;
        std::string value;
    } cases[] = {
        {"Ext1=\xFF\xFE", "1.10/Ext1", "\xFF\xFE"},
        {"  Ext1 =  a b \t", "1.10/Ext1", "a b"},
        {"Ext1=\"  a b  \"", "1.10/Ext1", "  a b  "},
        {"Ext1=a;b, c", "1.10/Ext1", "a;b, c"}, // no comment, no list: the bytes
        {"Ext1=\\xe9\\101\\0\\q\\", "1.10/Ext1",
         std::string("\xC3\xA9"
                     "A\0\\q\\",
                     7)},
        {"Ext1=\"open", "1.10/Ext1", "open"},
        {"%41b\\c=1", "1.10/Ab/c", "1"},
        {"Ext1=@Other(x)", "1.10/Ext1", "@Other(x)"},
    };
    for (const auto& c : cases) {
        const auto read = ProfileFormat::Parse(std::string("[1.10]\r\n") + c.line + "\r\n");
        ASSERT_TRUE(read) << c.line;
        EXPECT_EQ(read->keys(), QStringList{c.key}) << c.line;
        EXPECT_EQ(Bytes(read->value(c.key)), c.value) << c.line;
    }

    QByteArray every;
    for (int c = 0; c < 256; ++c)
        every += static_cast<char>(c);
    const auto read = ProfileFormat::Parse(ProfileFormat::Compose({{"v", every}}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->value("v").toByteArray(), every);
}
