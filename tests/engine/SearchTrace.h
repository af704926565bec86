#pragma once

#include "engine/RunSearch.h"
#include "engine/internal/run/FolderSearch.h"

#include <string>
#include <vector>

// Everything a search tells its owner, in order, and the records it made,
// each as its path followed by its lines, each after a line feed and a tab.
struct Trace : SearchObserver {
    void OnFolderEntered(const std::string& path) override { events.push_back("enter " + path); }
    void OnOpenError(const std::string& path, int) override { events.push_back("error " + path); }
    std::vector<std::string> events;
    std::vector<std::string> records;
    bool found = false;
    bool operator==(const Trace& other) const {
        return events == other.events && records == other.records && found == other.found;
    }
    // Adds the records of `matches`.
    void Describe(const MatchList& matches) {
        for (int i = 0; i < matches.GetCount(); ++i) {
            const MatchRecord& record = matches.GetAt(i);
            std::string text = record.GetPath();
            for (int k = 0; k < record.GetLineCount(); ++k) {
                text += "\n\t";
                text += record.GetLine(k);
            }
            records.push_back(text);
        }
    }
    // The differences from `expected`, empty when there are none.
    std::string Differences(const Trace& expected) const {
        std::string text;
        const auto compare = [&text](const char* what, const std::vector<std::string>& got,
                                     const std::vector<std::string>& want) {
            if (got == want)
                return;
            text += std::string(what) + ": " + std::to_string(got.size()) + " instead of " +
                    std::to_string(want.size());
            for (size_t i = 0; i < got.size() || i < want.size(); ++i) {
                const std::string g = i < got.size() ? got[i] : "(none)";
                const std::string w = i < want.size() ? want[i] : "(none)";
                if (g != w) {
                    text += "; first difference at " + std::to_string(i) + ": '" + g +
                            "' instead of '" + w + "'";
                    break;
                }
            }
            text += "\n";
        };
        compare("events", events, expected.events);
        compare("records", records, expected.records);
        if (found != expected.found)
            text += "found differs\n";
        return text;
    }
};

// The plain sequential search, the reference.
inline Trace Plain(const std::string& pattern, const std::string& start,
                   const SearchOptions& options) {
    Trace trace;
    MatchList matches;
    trace.found = FolderSearch(pattern, options, matches, trace).RunSearch(start);
    trace.Describe(matches);
    return trace;
}

// The fast search with the given tuning.
inline Trace Fast(const std::string& pattern, const std::string& start,
                  const SearchOptions& options, const SearchTuning& tuning) {
    Trace trace;
    MatchList matches;
    trace.found = RunSearch(pattern, start, options, matches, trace, tuning);
    trace.Describe(matches);
    return trace;
}

inline Trace Fast(const std::string& pattern, const std::string& start,
                  const SearchOptions& options, unsigned threads, size_t ringSlots = 0,
                  const SearchHooks* hooks = nullptr) {
    SearchTuning tuning;
    tuning.threads = threads;
    tuning.ringSlots = ringSlots;
    tuning.hooks = hooks;
    return Fast(pattern, start, options, tuning);
}
