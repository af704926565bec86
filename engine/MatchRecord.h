#pragma once

#include <climits>
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

    // The most lines a record holds: the most an int index reaches.
    static constexpr size_t kMaxLines = INT_MAX;
    // Adds a line; false, adding nothing, when the record holds kMaxLines.
    bool AddLine(std::string_view line);
    int GetLineCount() const { return static_cast<int>(m_ends.size()); }
    // A copy of line `index`, or "TW ERROR" when there is no such line.
    std::string GetLine(int index) const;
    // Line `index` without a copy; the index must be in range.
    std::string_view LineView(int index) const;
    // Empties the record; its buffers are kept for reuse unless they are large.
    void Clear();
    // Empties the record and frees its buffers.
    void Release();
    // The bytes its buffers take up.
    size_t HeldBytes() const {
        return m_text.capacity() + m_ends.capacity() * sizeof(size_t) + m_path.capacity();
    }

private:
    std::string m_text;
    std::vector<size_t> m_ends;
    std::string m_path;
};
