#pragma once

// Told by a thread that is about to sleep (for the disk, or for other
// threads), and once it has woken, so that another thread may use its
// processor meanwhile.
class SleepNotice {
public:
    virtual ~SleepNotice() = default;
    virtual void Sleeping() = 0;
    virtual void Woken() = 0;
};
