#pragma once

#include <QString>
#include <string>
#include <string_view>

// How names and values are spelled in the profile's INI file: as Qt's own INI
// format spells text, so that a profile of valid UTF-8 is the same file either
// way, except that a value is bytes. Bytes that are not UTF-8 are written as
// they are, where Qt's format would have replaced them.
class IniEscapes {
public:
    // A value as written after "=": control characters, "\" and '"' escaped
    // ("\n", "\x1", a hex digit after a "\x" or "\0" escape escaped too), a
    // leading "@" doubled, and the whole quoted when it holds ";", "," or "="
    // or starts or ends with a blank. Other bytes are written as they are.
    static std::string EscapeValue(std::string_view bytes);
    // The bytes of a value written after "=": blanks around it dropped,
    // quotes removed, escapes decoded ("\xHH" and octal escapes name a
    // character, written as UTF-8; an unknown escape stays as it is), a
    // doubled leading "@" made single. An "@ByteArray(...)" value, as Qt's
    // format wrote bytes, gives those bytes.
    static std::string UnescapeValue(std::string_view text);

    // A section's or a key's name: letters, digits, "_", "-" and "." as they
    // are, "/" as "\", any other UTF-16 unit as "%XX" (up to U+00FF) or
    // "%UXXXX".
    static std::string EscapeName(const QString& name);
    // A name as written (blanks around it dropped), "%XX" and "%UXXXX"
    // decoded, "\" as "/", other bytes read as UTF-8.
    static QString UnescapeName(std::string_view text);
};
