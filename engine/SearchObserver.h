#pragma once

#include <string>

class MatchRecord;

// What a search tells its owner while it runs, in walk order. The engine
// itself never prints or shows anything.
class SearchObserver {
public:
    virtual ~SearchObserver() = default;
    // A folder is entered; `path` is built from its parent's path as passed.
    // The text stays as it is until the next call or the end of the search.
    virtual void OnFolderEntered(const std::string& path) = 0;
    // A selected file cannot be opened; `path` is its full path, `error` the
    // reason (an errno value).
    virtual void OnOpenError(const std::string& path, int error) = 0;
    // A record is committed. True keeps it: it joins the match list. An owner
    // that passes records on as they come returns false: the record is then
    // freed at once, and still counts toward the limit on records.
    virtual bool OnRecordCommitted(const MatchRecord&) { return true; }
    // No further record is ready: the search is about to wait for a file's
    // scan, to scan one itself, or to end. A moment to pass on what it has
    // reported.
    virtual void OnWaiting() {}
};
