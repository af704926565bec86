#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One file with at least one matching line: the matching lines in file order
// and the file's full path. The lines are kept packed in one buffer.
class MatchRecord {
public:
    MatchRecord() = default;
    virtual ~MatchRecord() = default;
    MatchRecord(const MatchRecord&) = default;
    MatchRecord(MatchRecord&&) = default;
    MatchRecord& operator=(const MatchRecord&) = default;
    MatchRecord& operator=(MatchRecord&&) = default;

    void SetPath(std::string path) { m_path = std::move(path); }
    const std::string& GetPath() const { return m_path; }

    void AddLine(std::string_view line);
    int GetLineCount() const { return static_cast<int>(m_ends.size()); }
    // A copy of line `index`, or "TW ERROR" when there is no such line.
    std::string GetLine(int index) const;
    // Line `index` without a copy; the index must be in range.
    std::string_view LineView(int index) const;
    // Empties the record; buffers that are not large are kept for reuse.
    void Clear();

private:
    std::string m_text;
    std::vector<size_t> m_ends;
    std::string m_path;
};
