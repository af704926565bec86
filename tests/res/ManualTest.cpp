// The manual built into the program: its examples are what the matcher
// answers, its links lead to its own anchors, every topic the program opens
// it at is there, and it names every option of the command-line finder.
#include "engine/MatchLine.h"
#include "framework/dialog/ResourceTable.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tools/FindCommand.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
QString ManualHtml() {
    QFile file(":/help/manual.html");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// The text a reader sees for a piece of HTML.
QString Shown(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed();
}

// Every capture of `pattern` in `text`, in order.
QStringList Captures(const QString& pattern, const QString& text) {
    QStringList found;
    const QRegularExpression expression(pattern, QRegularExpression::DotMatchesEverythingOption |
                                                     QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : expression.globalMatch(text))
        found << match.captured(1);
    return found;
}

// The anchor names of the manual and the targets of its links, as the help
// window's browser reads them.
struct Anchors {
    QSet<QString> names;
    QStringList links;
};

Anchors ReadAnchors() {
    QTextDocument document;
    document.setHtml(ManualHtml());
    Anchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                anchors.names.insert(name);
            if (!format.anchorHref().isEmpty())
                anchors.links << format.anchorHref();
        }
    return anchors;
}
} // namespace

// Each row of an "examples" table: search string, line, whether letter case
// is ignored ("on", "off" or "either": both) and whether the line is found.
TEST(Manual, EveryExampleIsWhatTheMatcherAnswers) {
    int examples = 0;
    for (const QString& table :
         Captures(R"(<table class="examples"[^>]*>(.*?)</table>)", ManualHtml()))
        for (const QString& row : Captures(R"(<tr>(.*?)</tr>)", table)) {
            const QStringList cells = Captures(R"(<td>(.*?)</td>)", row);
            if (cells.isEmpty())
                continue; // the heading
            ASSERT_EQ(cells.size(), 4) << row.toStdString();
            const std::string pattern = Shown(cells[0]).toStdString();
            const std::string line = Shown(cells[1]).toStdString();
            const QString ignoreCaps = Shown(cells[2]);
            const QString found = Shown(cells[3]);
            ASSERT_TRUE(found == "yes" || found == "no") << row.toStdString();
            ASSERT_TRUE(ignoreCaps == "on" || ignoreCaps == "off" || ignoreCaps == "either")
                << row.toStdString();
            for (const bool caps : {true, false})
                if (ignoreCaps == "either" || (ignoreCaps == "on") == caps) {
                    EXPECT_EQ(MatchLine(pattern, line, caps), found == "yes")
                        << "'" << pattern << "' in '" << line << "', letter case ignored: " << caps;
                    ++examples;
                }
        }
    EXPECT_GT(examples, 0);
}

TEST(Manual, EveryLinkLeadsToAnAnchorOfTheManual) {
    const Anchors anchors = ReadAnchors();
    EXPECT_FALSE(anchors.links.isEmpty());
    for (const QString& link : anchors.links) {
        ASSERT_TRUE(link.startsWith('#')) << link.toStdString();
        EXPECT_TRUE(anchors.names.contains(link.mid(1))) << link.toStdString();
    }
}

TEST(Manual, EveryTopicTheProgramOpensItAtIsThere) {
    RegisterResources();
    std::vector<std::string> topics = {HELP_FOLDER_PICKER};
    for (const UINT id : ResourceTable::DialogIds()) {
        const std::string& topic = ResourceTable::FindDialog(id)->helpTopic;
        EXPECT_FALSE(topic.empty()) << "dialog " << id << " names no topic";
        topics.push_back(topic);
    }
    const Anchors anchors = ReadAnchors();
    for (const std::string& topic : topics)
        EXPECT_TRUE(anchors.names.contains(QString::fromStdString(topic))) << topic;
}

TEST(Manual, NamesEveryOptionOfTheCommandLineFinder) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ASSERT_EQ(FindCommand().Run({"--help"}, fileno(out), stderr), FindCommand::kFound);
    std::rewind(out);
    QByteArray help;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        help.append(buffer, static_cast<qsizetype>(n));
    std::fclose(out);

    const QString manual = Shown(ManualHtml());
    const QStringList options = Captures(R"(^  (--[a-z-]+))", QString::fromUtf8(help));
    EXPECT_FALSE(options.isEmpty());
    for (const QString& option : options)
        EXPECT_TRUE(manual.contains(option)) << option.toStdString();
}
