#pragma once

#include "WinDefs.h"

#include <functional>
#include <string>

// Replaces the message box for as long as the object lives: AfxMessageBox
// shows nothing and returns what the handler returns. Hooks nest; the
// previous one comes back when this one goes. Tests use it so that no box
// ever waits for a user.
class MessageBoxHook {
public:
    using Handler = std::function<int(const std::string& text, UINT type)>;

    explicit MessageBoxHook(Handler handler);
    ~MessageBoxHook();
    MessageBoxHook(const MessageBoxHook&) = delete;
    MessageBoxHook& operator=(const MessageBoxHook&) = delete;

    // The innermost hook's handler, or null.
    static const Handler* Current();

private:
    Handler m_handler;
    MessageBoxHook* m_previous;
};
