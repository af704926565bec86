#pragma once

#include "engine/MatchRecord.h"

#include <memory>
#include <vector>

// The records of one search, in the order their files were scanned. The list
// owns its records.
class MatchList {
public:
    MatchList() = default;
    virtual ~MatchList() = default;
    MatchList(const MatchList&) = delete;
    MatchList& operator=(const MatchList&) = delete;

    void Add(std::unique_ptr<MatchRecord> record) { m_records.push_back(std::move(record)); }
    int GetCount() const { return static_cast<int>(m_records.size()); }
    // The index must lie between 0 and GetCount() - 1.
    const MatchRecord& GetAt(int index) const { return *m_records[static_cast<size_t>(index)]; }
    void RemoveAll() { m_records.clear(); }

private:
    std::vector<std::unique_ptr<MatchRecord>> m_records;
};
