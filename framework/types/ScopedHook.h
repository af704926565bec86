#pragma once

#include <functional>
#include <utility>

// Replaces one of the framework's steps that tests must control (a message
// box, a modal loop, the clock) for as long as the object lives: the step
// calls the innermost hook's handler instead of waiting for a user or asking
// the system. Hooks of one kind nest; the previous one comes back when this
// one goes. Tests use them so that nothing ever waits for a user and nothing
// depends on the time of day. `Tag` tells the kinds apart. Hooks are set and
// used on the user-interface thread.
template <class Tag, class Signature> class ScopedHook {
public:
    using Handler = std::function<Signature>;

    explicit ScopedHook(Handler handler) : m_handler(std::move(handler)), m_previous(s_current) {
        s_current = this;
    }
    ~ScopedHook() { s_current = m_previous; }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

    // The innermost hook's handler, or null.
    static const Handler* Current() { return s_current ? &s_current->m_handler : nullptr; }

private:
    Handler m_handler;
    ScopedHook* m_previous;
    inline static ScopedHook* s_current = nullptr;
};
