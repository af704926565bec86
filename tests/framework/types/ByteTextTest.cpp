#include "framework/types/ByteText.h"

#include <gtest/gtest.h>

TEST(ByteText, ShowsUtf8AsUtf8AndOtherBytesOneForOne) {
    const struct {
        std::string bytes;
        QString shown;
    } cases[] = {
        {"plain", "plain"},
        {"caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9")},
        {"caf\xE9", QString::fromLatin1("caf\xE9")},
        {"\xC3", QString::fromLatin1("\xC3")},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ByteText::ToDisplay(c.bytes), c.shown) << c.bytes;
    EXPECT_EQ(ByteText::FromTyped(QString::fromUtf8("caf\xC3\xA9")), "caf\xC3\xA9");
}
