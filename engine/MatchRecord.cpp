#include "MatchRecord.h"

namespace {
// Buffers up to this size stay with a record that is emptied.
constexpr size_t kKeptBytes = 1 << 20;
} // namespace

void MatchRecord::AddLine(std::string_view line) {
    m_text.append(line);
    m_ends.push_back(m_text.size());
}

std::string MatchRecord::GetLine(int index) const {
    if (index < 0 || index >= GetLineCount())
        return "TW ERROR";
    return std::string(LineView(index));
}

std::string_view MatchRecord::LineView(int index) const {
    const size_t begin = index == 0 ? 0 : m_ends[static_cast<size_t>(index) - 1];
    return std::string_view(m_text).substr(begin, m_ends[static_cast<size_t>(index)] - begin);
}

void MatchRecord::Clear() {
    if (m_text.capacity() > kKeptBytes) {
        *this = MatchRecord();
        return;
    }
    m_text.clear();
    m_ends.clear();
    m_path.clear();
}
