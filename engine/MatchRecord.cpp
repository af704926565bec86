#include "engine/MatchRecord.h"

namespace {
// Buffers up to this size stay with a record that is emptied.
constexpr size_t kKeptBytes = 1 << 20;
} // namespace

bool MatchRecord::AddLine(std::string_view line) {
    if (m_ends.size() >= kMaxLines)
        return false;
    m_text.append(line);
    m_ends.push_back(m_text.size());
    return true;
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
    if (HeldBytes() > kKeptBytes) {
        Release();
        return;
    }
    m_text.clear();
    m_ends.clear();
    m_path.clear();
}

// Assigning an empty record would keep the strings' buffers: a string moved
// from one held in place keeps its own buffer.
void MatchRecord::Release() {
    std::string().swap(m_text);
    std::vector<size_t>().swap(m_ends);
    std::string().swap(m_path);
}
