#include "ProfileFile.h"

#include <QSettings>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
enum class FileState { Absent, Ini, Foreign };

// Whether `bytes` read as an INI file: no zero byte, and every line,
// without its leading blanks, is empty, a ";" comment, a "[section]" header
// or holds a "=". QSettings writes nothing else.
bool ReadsAsIni(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        const bool fits = line.empty() || line.front() == ';' || line.find('=') != line.npos ||
                          (line.front() == '[' && line.find(']') != line.npos);
        if (!fits)
            return false;
        start = end + 1;
    }
    return true;
}

// Whether the file at `path` is absent, a regular file that reads as INI, or
// anything else (another kind of file, unreadable, not INI). Opened without
// blocking, so that a FIFO in its place cannot stop the program.
FileState Inspect(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileState::Absent : FileState::Foreign;
    struct stat status {};
    bool readable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    std::string bytes;
    char block[4096];
    while (readable) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            readable = got == 0;
            break;
        }
        bytes.append(block, static_cast<size_t>(got));
    }
    ::close(fd);
    return readable && ReadsAsIni(bytes) ? FileState::Ini : FileState::Foreign;
}

QString Text(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Key(std::string_view section, std::string_view entry) {
    return Text(section) + '/' + Text(entry);
}

// Whether removing `removed` takes `key` with it.
bool Covers(const QString& removed, const QString& key) {
    return key == removed || (key.startsWith(removed) && key[removed.size()] == '/');
}

std::string Bytes(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    // An unquoted value with a comma, written by hand, reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}
} // namespace

ProfileFile::ProfileFile(const std::string& path) : m_path(path) {
    if (m_path.empty() || Inspect(m_path) == FileState::Foreign)
        return;
    m_settings = std::make_unique<QSettings>(QString::fromStdString(m_path), QSettings::IniFormat);
    m_settings->setAtomicSyncRequired(true);
    // QSettings parses a file only when it has changed since its last
    // reading in this process, so its verdict is a second check at most.
    if (m_settings->status() != QSettings::NoError)
        m_settings.reset();
}

ProfileFile::~ProfileFile() = default;

std::optional<std::string> ProfileFile::Read(std::string_view section,
                                             std::string_view entry) const {
    if (!m_settings)
        return std::nullopt;
    const QString key = Key(section, entry);
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change) {
        if (change->value && change->key == key)
            return Bytes(*change->value);
        if (!change->value && Covers(change->key, key))
            return std::nullopt;
    }
    const QVariant value = m_settings->value(key);
    if (!value.isValid())
        return std::nullopt;
    return Bytes(value);
}

bool ProfileFile::Write(std::string_view section, std::string_view entry, std::string_view value) {
    const QByteArrayView bytes(value.data(), static_cast<qsizetype>(value.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    // Text as text; bytes that are not UTF-8 as bytes, so that none is lost.
    if (utf8.hasError())
        return Add({Key(section, entry), QVariant(bytes.toByteArray())});
    return Add({Key(section, entry), QVariant(text)});
}

bool ProfileFile::Remove(std::string_view section, std::string_view entry) {
    return Add({Key(section, entry), std::nullopt});
}

bool ProfileFile::RemoveSection(std::string_view section) {
    return Add({Text(section), std::nullopt});
}

bool ProfileFile::Add(Change change) {
    if (!m_settings)
        return false;
    m_changes.push_back(std::move(change));
    return true;
}

bool ProfileFile::Save() {
    if (!m_settings)
        return false;
    if (m_changes.empty())
        return true;
    const std::vector<Change> changes = std::move(m_changes);
    m_changes.clear();
    // Someone may have put a file of another kind there since the reading.
    if (Inspect(m_path) == FileState::Foreign)
        return false;
    for (const Change& change : changes) {
        if (change.value)
            m_settings->setValue(change.key, *change.value);
        else
            m_settings->remove(change.key);
    }
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::string ProfileFile::PathFor(std::string_view registryKey, std::string_view profileName) {
    std::string path;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (config != nullptr && config[0] == '/')
        path = config;
    else if (home != nullptr && home[0] == '/')
        path = std::string(home) + "/.config";
    else
        return std::string();
    size_t start = 0;
    while (start <= registryKey.size()) {
        size_t end = registryKey.find('\\', start);
        if (end == std::string_view::npos)
            end = registryKey.size();
        if (end > start)
            path.append("/").append(registryKey.substr(start, end - start));
        start = end + 1;
    }
    return path.append("/").append(profileName).append(".ini");
}
