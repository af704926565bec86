#include "framework/window/internal/ProfileFile.h"

#include "framework/window/internal/ProfileFormat.h"

#include <QFile>
#include <QSettings>
#include <cstdlib>

namespace {
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

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.data(), static_cast<size_t>(bytes.size()));
}
} // namespace

ProfileFile::ProfileFile(const std::string& path) : m_path(path) {
    if (m_path.empty() || ProfileFormat::Inspect(m_path) == ProfileFormat::FileState::Foreign)
        return;
    m_settings =
        std::make_unique<QSettings>(QFile::decodeName(m_path.c_str()), ProfileFormat::Format());
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
    return Bytes(value.toByteArray());
}

bool ProfileFile::Write(std::string_view section, std::string_view entry, std::string_view value) {
    return Add(
        {Key(section, entry), QByteArray(value.data(), static_cast<qsizetype>(value.size()))});
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
    // Someone may have put a file of another kind there since the reading:
    // QSettings would open a FIFO to merge with it and wait. (The format
    // refuses to write over anything that is not a profile.)
    if (ProfileFormat::Inspect(m_path) == ProfileFormat::FileState::Foreign)
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
