#pragma once

#include <QString>
#include <string>
#include <string_view>

// Text is bytes everywhere above the framework. Shown on screen, valid UTF-8
// is read as UTF-8 and anything else byte for byte as Latin-1, so that no
// byte is lost or replaced.
class ByteText {
public:
    static QString ToDisplay(std::string_view bytes);
    // What the user typed, as bytes (UTF-8).
    static std::string FromTyped(const QString& text);
};
