#pragma once

#include <QSettings>
#include <optional>
#include <string>
#include <string_view>

// The profile's file format, registered with QSettings so that its lock file
// and atomic replacement stay: INI as Qt's own format writes it (sections and
// keys in order, names and text spelled alike, see IniEscapes), except that a
// value is bytes. Qt's format reads a file as UTF-8 and writes back what it
// read, so one save would turn every byte that is not UTF-8 into U+FFFD; here
// each value reads as the bytes stored and is written back as the same bytes.
//
// A profile is text of at most kMaxBytes whose every line, without its
// leading blanks, is empty, a ";" comment, a "[section]" header or a
// "key=value" line with a key. Anything else is not a profile: it reads as
// empty and this format never writes over it.
class ProfileFormat {
public:
    // Far more than the program stores; a file larger than this is not its
    // profile and is never read whole.
    static constexpr qint64 kMaxBytes = 1 << 20;

    enum class FileState { Absent, Profile, Foreign };
    // What lies at `path`, opened without waiting, so that a FIFO there
    // cannot stop the program; at most kMaxBytes are read.
    static FileState Inspect(const std::string& path);

    // The format, registered on first use.
    static QSettings::Format Format();

    // The values of a profile's bytes, each a QByteArray, keyed
    // "section/key" (a key before any section, or in [General], by itself);
    // nothing when the bytes are not a profile.
    static std::optional<QSettings::SettingsMap> Parse(std::string_view bytes);
    // The profile of `values`: the keys without a section under [General]
    // first, then each section, its keys in the map's order.
    static std::string Compose(const QSettings::SettingsMap& values);

private:
    static bool ReadFile(QIODevice& device, QSettings::SettingsMap& values);
    // Refuses to replace a file that is not a profile, and to write one
    // that would not be.
    static bool WriteFile(QIODevice& device, const QSettings::SettingsMap& values);
};
