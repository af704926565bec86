#pragma once

#include "WinMessages.h"

#include <functional>

class CDialog;

// Replaces the modal loop of CDialog::DoModal for as long as the object
// lives: DoModal builds and initialises the dialog, shows it without a loop,
// calls the handler with it and returns what the handler returns; then the
// window is destroyed. Hooks nest; the previous one comes back when this one
// goes. Tests use it to look at and drive dialogs, nested ones included,
// without blocking.
class ModalHook {
public:
    using Handler = std::function<INT_PTR(CDialog& dialog)>;

    explicit ModalHook(Handler handler);
    ~ModalHook();
    ModalHook(const ModalHook&) = delete;
    ModalHook& operator=(const ModalHook&) = delete;

    // The innermost hook's handler, or null.
    static const Handler* Current();

private:
    Handler m_handler;
    ModalHook* m_previous;
};
