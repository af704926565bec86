#include "tools/FindCommand.h"

#include "engine/RunSearch.h"
#include "engine/StartFolder.h"
#include "tools/OutputStream.h"
#include "tools/RecordPrinter.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>

namespace {
// The help text; the defaults it names are those of SearchOptions.
std::string Usage() {
    const SearchOptions defaults;
    std::string extensions;
    for (std::string SearchOptions::*slot : SearchOptions::kExtensions)
        extensions += defaults.*slot + ",";
    extensions.erase(extensions.find_last_not_of(',') + 1);
    return "Usage: vodizuzi-find [OPTIONS] PATTERN FOLDER\n"
           "Prints each file under FOLDER holding a line that matches PATTERN: its path\n"
           "on a line of its own, then its matching lines, each after a tab. In PATTERN,\n"
           "^ at the start and $ at the end anchor, ? is any one byte, and a byte\n"
           "followed by * is any number of that byte.\n"
           "\n"
           "  --ext=LIST         extensions in slot order, comma-separated, at most five,\n"
           "                     empty slots allowed (\"txt,,diz\"); default \"" +
           extensions +
           "\"\n"
           "  --ignore-caps=0|1  1: letters match in either case; default " +
           std::to_string(defaults.IgnoreCaps) +
           "\n"
           "  --ignore-ext=0|1   1: each extension in lower and in upper case; default " +
           std::to_string(defaults.IgnoreExt) +
           "\n"
           "  --max=N            no folder is entered once N files are printed, N from\n"
           "                     -2147483648 to 2147483647; default " +
           std::to_string(defaults.Max) +
           "\n"
           "  --threads=N        threads that open, read and search files, 1 to " +
           std::to_string(SearchTuning::kMaxThreads) +
           "; fewer\n"
           "                     when the limit on open files is low; by default " +
           std::to_string(SearchTuning::kDiskReaders) +
           "\n"
           "                     (or one per processor, if more), so that a disk gets\n"
           "                     many reads at once when the files are not in memory\n"
           "  --progress         report each folder entered on standard error: "
           "\"Searching PATH\"\n"
           "  --help             this text\n"
           "\n"
           "Files are printed in a fixed order, each as soon as it and the files before\n"
           "it are searched. A file's matching lines are gathered before it is printed,\n"
           "so a single huge file with many matching lines is held in memory while it is\n"
           "searched. Paths and lines are printed byte for byte: a name holding a line\n"
           "feed is printed across two lines, so its record cannot be told from the ones\n"
           "around it.\n"
           "\n"
           "Exit status: 0 when something was found, 1 when nothing was, 2 on a usage\n"
           "error, when FOLDER cannot be opened, when standard output cannot be written,\n"
           "or when the search runs out of memory or of file descriptors.\n";
}

// Reads the value TEXT of the option NAME, a whole number from min to max
// without blanks around it; otherwise leaves `value` as it is and says what
// the option takes.
void ReadInt(const std::string& name, const std::string& text, long min, long max, int32_t& value,
             std::string& problem) {
    errno = 0;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    const bool blankFirst = !text.empty() && std::isspace(static_cast<unsigned char>(text[0]));
    if (!text.empty() && !blankFirst && errno == 0 && *end == '\0' && number >= min &&
        number <= max) {
        value = static_cast<int32_t>(number);
        return;
    }
    const std::string range = min == 0 && max == 1 ? "0 or 1"
                                                   : "a number from " + std::to_string(min) +
                                                         " to " + std::to_string(max);
    problem = name + " takes " + range + ", not '" + text + "'";
}

// Puts the comma-separated extensions of `list` into the slots in order, and
// empties the slots after them; false when there are more than the slots.
bool ReadExtensions(const std::string& list, SearchOptions& options) {
    for (std::string SearchOptions::*slot : SearchOptions::kExtensions)
        (options.*slot).clear();
    size_t pos = 0;
    for (std::string SearchOptions::*slot : SearchOptions::kExtensions) {
        const size_t comma = list.find(',', pos);
        options.*slot = list.substr(pos, comma == std::string::npos ? comma : comma - pos);
        if (comma == std::string::npos)
            return true;
        pos = comma + 1;
    }
    return false;
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
        ReadInt(name, value, 0, 1, m_options.IgnoreCaps, problem);
    } else if (name == "--ignore-ext" && hasValue) {
        ReadInt(name, value, 0, 1, m_options.IgnoreExt, problem);
    } else if (name == "--threads" && hasValue) {
        int32_t threads = 0;
        ReadInt(name, value, 1, SearchTuning::kMaxThreads, threads, problem);
        m_tuning.threads = static_cast<unsigned>(threads);
    } else if (name == "--max" && hasValue) {
        ReadInt(name, value, INT32_MIN, INT32_MAX, m_options.Max, problem);
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

bool FindCommand::Search(OutputStream& output, std::FILE* err, bool& found, std::string& failure) {
    // (Without a descriptor to spare, the search itself says so.)
    if (!StartFolder::CanOpen(m_operands[1]) && errno != EMFILE && errno != ENFILE) {
        failure = "cannot open folder: " + m_operands[1] + ": " + std::strerror(errno);
        return false;
    }
    std::atomic<bool> stop{false};
    m_tuning.cancel = &stop;
    RecordPrinter printer(output, err, m_progress, stop);
    MatchList matches; // stays empty: the printer keeps no record
    try {
        found = RunSearch(m_operands[0], m_operands[1], m_options, matches, printer, m_tuning);
    } catch (const std::bad_alloc&) {
        failure = "out of memory";
    } catch (const TooFewDescriptors& shortage) {
        failure = std::string("too few file descriptors: ") + shortage.what();
    }
    return failure.empty();
}

int FindCommand::Run(const std::vector<std::string>& args, int out, std::FILE* err) {
    std::string problem;
    if (!Parse(args, problem)) {
        std::fprintf(err, "vodizuzi-find: %s (see --help)\n", problem.c_str());
        return kUsageError;
    }
    OutputStream output(out);
    bool found = true;
    std::string failure;
    if (m_help)
        output.Write(Usage());
    else
        Search(output, err, found, failure);
    // The records printed before a failure are kept.
    output.Flush();
    if (output.Error() != 0) {
        std::fprintf(err, "vodizuzi-find: write error: %s\n", std::strerror(output.Error()));
        return kFailure;
    }
    if (!failure.empty()) {
        std::fprintf(err, "vodizuzi-find: %s\n", failure.c_str());
        return kFailure;
    }
    return found ? kFound : kNothingFound;
}
