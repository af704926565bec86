#include "framework/window/internal/ProfileFormat.h"

#include "framework/window/internal/IniEscapes.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view kBlanks = " \t";

// The prefix of the keys under a "[text]" header: none for [General].
QString SectionPrefix(std::string_view text) {
    const QString name = IniEscapes::UnescapeName(text);
    if (name.isEmpty() || name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(QLatin1String("%General"), Qt::CaseInsensitive) == 0)
        return name.mid(1) + '/';
    return name + '/';
}

std::string Header(const QString& section) {
    const std::string name = IniEscapes::EscapeName(section);
    // [General] holds the keys without a section.
    const bool general = section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
    return (general ? "[%" : "[") + name + "]\n";
}

std::string Line(const QString& key, const QVariant& value) {
    const QByteArray bytes = value.toByteArray();
    return IniEscapes::EscapeName(key) + '=' +
           IniEscapes::EscapeValue(std::string_view(bytes.data(), bytes.size())) + '\n';
}
} // namespace

ProfileFormat::FileState ProfileFormat::Inspect(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileState::Absent : FileState::Foreign;
    struct stat status {};
    bool readable =
        ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaxBytes;
    std::string bytes;
    char block[4096];
    // One byte past the limit is enough to know the file is too large.
    while (readable && bytes.size() <= static_cast<size_t>(kMaxBytes)) {
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
    return readable && Parse(bytes) ? FileState::Profile : FileState::Foreign;
}

QSettings::Format ProfileFormat::Format() {
    static const QSettings::Format format =
        QSettings::registerFormat("ini", &ProfileFormat::ReadFile, &ProfileFormat::WriteFile);
    return format;
}

std::optional<QSettings::SettingsMap> ProfileFormat::Parse(std::string_view bytes) {
    if (bytes.size() > static_cast<size_t>(kMaxBytes) || bytes.find('\0') != bytes.npos)
        return std::nullopt;
    QSettings::SettingsMap values;
    QString prefix;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        line.remove_prefix(std::min(line.find_first_not_of(kBlanks), line.size()));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close == line.npos || line.find_first_not_of(kBlanks, close + 1) != line.npos)
                return std::nullopt;
            prefix = SectionPrefix(line.substr(1, close - 1));
            continue;
        }
        const size_t equals = line.find('=');
        const QString key = IniEscapes::UnescapeName(line.substr(0, std::min(equals, line.size())));
        if (equals == line.npos || key.isEmpty())
            return std::nullopt;
        const std::string value = IniEscapes::UnescapeValue(line.substr(equals + 1));
        values.insert(prefix + key, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    }
    return values;
}

std::string ProfileFormat::Compose(const QSettings::SettingsMap& values) {
    std::string text;
    const auto open = [&text](const std::string& header) {
        if (!text.empty())
            text += '\n';
        text += header;
    };
    for (auto value = values.begin(); value != values.end(); ++value) {
        if (value.key().contains('/'))
            continue;
        if (text.empty())
            open("[General]\n");
        text += Line(value.key(), value.value());
    }
    QString section;
    for (auto value = values.begin(); value != values.end(); ++value) {
        const qsizetype slash = value.key().indexOf('/');
        if (slash < 0)
            continue;
        if (section.isNull() || value.key().left(slash) != section) {
            section = value.key().left(slash);
            open(Header(section));
        }
        text += Line(value.key().mid(slash + 1), value.value());
    }
    return text;
}

bool ProfileFormat::ReadFile(QIODevice& device, QSettings::SettingsMap& values) {
    if (device.size() > kMaxBytes)
        return false;
    const QByteArray bytes = device.read(kMaxBytes + 1);
    std::optional<QSettings::SettingsMap> read =
        Parse(std::string_view(bytes.data(), static_cast<size_t>(bytes.size())));
    if (!read)
        return false;
    values = std::move(*read);
    return true;
}

bool ProfileFormat::WriteFile(QIODevice& device, const QSettings::SettingsMap& values) {
    // QSettings writes what it has even when the file it read to merge with
    // was no profile.
    const auto* file = qobject_cast<QFileDevice*>(&device);
    if (file == nullptr ||
        Inspect(QFile::encodeName(file->fileName()).toStdString()) == FileState::Foreign)
        return false;
    const std::string text = Compose(values);
    if (text.size() > static_cast<size_t>(kMaxBytes))
        return false;
    return device.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}
