#include "FindCommand.h"

#include "SearchRun.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace {
// The help text; the defaults it names are those of SearchOptions.
std::string Usage() {
    const SearchOptions defaults;
    std::string extensions = defaults.Ext1 + "," + defaults.Ext2 + "," + defaults.Ext3 + "," +
                             defaults.Ext4 + "," + defaults.Ext5;
    extensions.erase(extensions.find_last_not_of(',') + 1);
    return "Usage: vodizuzi-find [OPTIONS] PATTERN FOLDER\n"
           "Prints each file under FOLDER holding a line that matches PATTERN,\n"
           "followed by its matching lines, each after a tab.\n"
           "\n"
           "  --ext=LIST         extensions in slot order, comma-separated, at most five,\n"
           "                     empty slots allowed (\"txt,,diz\"); default \"" +
           extensions +
           "\"\n"
           "  --ignore-caps=0|1  default " +
           std::to_string(defaults.IgnoreCaps) +
           "\n"
           "  --ignore-ext=0|1   default " +
           std::to_string(defaults.IgnoreExt) +
           "\n"
           "  --max=N            default " +
           std::to_string(defaults.Max) +
           "\n"
           "  --progress         report each folder entered on standard error: "
           "\"Searching PATH\"\n"
           "  --help             this text\n"
           "\n"
           "Exit status: 0 when something was found, 1 when nothing was, 2 on a usage "
           "error.\n";
}

bool ReadInt(const std::string& text, long min, long max, int32_t& value) {
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number < min || number > max)
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

bool ReadExtensions(const std::string& list, SearchOptions& options) {
    std::string* slots[] = {&options.Ext1, &options.Ext2, &options.Ext3, &options.Ext4,
                            &options.Ext5};
    for (std::string* slot : slots)
        slot->clear();
    size_t slot = 0, pos = 0;
    for (;;) {
        const size_t comma = list.find(',', pos);
        if (slot == 5)
            return false;
        *slots[slot++] = list.substr(pos, comma == std::string::npos ? comma : comma - pos);
        if (comma == std::string::npos)
            return true;
        pos = comma + 1;
    }
}

// Prints what the search reports: progress and files that cannot be opened.
class ReportPrinter : public SearchObserver {
public:
    ReportPrinter(std::FILE* err, bool progress) : m_err(err), m_progress(progress) {}
    void OnFolderEntered(const std::string& path) override {
        if (m_progress)
            std::fprintf(m_err, "Searching %s\n", path.c_str());
    }
    void OnOpenError(const std::string& path) override {
        std::fprintf(m_err, "Error opening file: %s\n", path.c_str());
    }

private:
    std::FILE* m_err;
    bool m_progress;
};

void PrintRecords(const MatchList& matches, std::FILE* out) {
    for (int i = 0; i < matches.GetCount(); ++i) {
        const MatchRecord& record = matches.GetAt(i);
        std::fwrite(record.GetPath().data(), 1, record.GetPath().size(), out);
        std::fputc('\n', out);
        for (int line = 0; line < record.GetLineCount(); ++line) {
            const std::string_view text = record.LineView(line);
            std::fputc('\t', out);
            std::fwrite(text.data(), 1, text.size(), out);
            std::fputc('\n', out);
        }
    }
}
} // namespace

bool FindCommand::ParseOption(const std::string& arg, std::string& problem) {
    const size_t eq = arg.find('=');
    const std::string name = arg.substr(0, eq);
    const std::string value = eq == std::string::npos ? std::string() : arg.substr(eq + 1);
    const bool hasValue = eq != std::string::npos;
    if (name == "--help" && !hasValue) {
        m_help = true;
    } else if (name == "--progress" && !hasValue) {
        m_progress = true;
    } else if (name == "--ext" && hasValue) {
        if (!ReadExtensions(value, m_options))
            problem = "--ext takes at most five extensions";
    } else if (name == "--ignore-caps" && hasValue) {
        if (!ReadInt(value, 0, 1, m_options.IgnoreCaps))
            problem = "--ignore-caps takes 0 or 1, not '" + value + "'";
    } else if (name == "--ignore-ext" && hasValue) {
        if (!ReadInt(value, 0, 1, m_options.IgnoreExt))
            problem = "--ignore-ext takes 0 or 1, not '" + value + "'";
    } else if (name == "--threads" && hasValue) {
        int32_t threads = 0;
        if (!ReadInt(value, 1, SearchTuning::kMaxThreads, threads))
            problem = "--threads takes a number from 1 to " +
                      std::to_string(SearchTuning::kMaxThreads) + ", not '" + value + "'";
        m_tuning.threads = static_cast<unsigned>(threads);
    } else if (name == "--max" && hasValue) {
        if (!ReadInt(value, INT32_MIN, INT32_MAX, m_options.Max))
            problem = "--max takes a whole number, not '" + value + "'";
    } else {
        problem = "unknown option '" + arg + "'";
    }
    return problem.empty();
}

bool FindCommand::Parse(const std::vector<std::string>& args, std::string& problem) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (!ParseOption(arg, problem))
                return false;
        } else {
            m_operands.push_back(arg);
        }
    }
    if (m_help)
        return true;
    if (m_operands.size() != 2) {
        problem = "expected PATTERN and FOLDER";
        return false;
    }
    if (m_operands[0].empty()) {
        problem = "the pattern is empty";
        return false;
    }
    struct stat st;
    if (::stat(m_operands[1].c_str(), &st) != 0) {
        problem = "no such folder: " + m_operands[1];
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        problem = "not a folder: " + m_operands[1];
        return false;
    }
    return true;
}

int FindCommand::Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::string problem;
    if (!Parse(args, problem)) {
        std::fprintf(err, "vodizuzi-find: %s (see --help)\n", problem.c_str());
        return kUsageError;
    }
    if (m_help) {
        std::fputs(Usage().c_str(), out);
        return kFound;
    }
    MatchList matches;
    ReportPrinter reports(err, m_progress);
    const bool found =
        RunSearch(m_operands[0], m_operands[1], m_options, matches, reports, m_tuning);
    PrintRecords(matches, out);
    std::fflush(out);
    return found ? kFound : kNothingFound;
}
