#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

// One reading of the profile file (ProfileFormat: INI, one section per
// profile section, values as bytes) and the changes to save to it, all in one
// replacement of the file (lock file, temporary file, rename: another process
// sees the old file or the new one, never a part).
//
// A file that is there but is not a regular file, cannot be read, is larger
// than a profile can be or does not read as one is not the program's to
// change: it reads as empty and is never saved over, so a profile that a
// person broke by hand keeps its bytes.
class ProfileFile {
public:
    // An empty path stands for no profile: it reads as empty, saves nothing.
    explicit ProfileFile(const std::string& path);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    // The value's bytes as last written, or nothing when it is absent.
    std::optional<std::string> Read(std::string_view section, std::string_view entry) const;
    // Changes wait for Save; Read sees them at once. Each returns false
    // when the file may not be changed.
    bool Write(std::string_view section, std::string_view entry, std::string_view value);
    bool Remove(std::string_view section, std::string_view entry);
    bool RemoveSection(std::string_view section);
    // Saves the waiting changes, merged into the file as it is then. False
    // when they could not be saved; true when there were none. Changes not
    // saved are dropped with the object.
    bool Save();

    // The profile file for `registryKey`, whose levels are separated by
    // backslashes ("Maker\Product"), and `profileName`:
    // $XDG_CONFIG_HOME/Maker/Product/profileName.ini, with ~/.config when
    // the variable is unset, empty or not an absolute path. Empty when there
    // is no absolute home folder either.
    static std::string PathFor(std::string_view registryKey, std::string_view profileName);

private:
    // A value to set, or a key to remove with everything under it (a
    // section's key removes the section).
    struct Change {
        QString key;
        std::optional<QByteArray> value;
    };
    bool Add(Change change);

    std::string m_path;
    // Null when the file may not be changed. It only ever reads: the changes
    // reach it in Save, right before it writes, so that nothing else makes
    // it write.
    std::unique_ptr<QSettings> m_settings;
    std::vector<Change> m_changes;
};
