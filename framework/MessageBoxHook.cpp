#include "MessageBoxHook.h"

#include <utility>

namespace {
MessageBoxHook* g_current = nullptr;
}

MessageBoxHook::MessageBoxHook(Handler handler)
    : m_handler(std::move(handler)), m_previous(g_current) {
    g_current = this;
}

MessageBoxHook::~MessageBoxHook() {
    g_current = m_previous;
}

const MessageBoxHook::Handler* MessageBoxHook::Current() {
    return g_current ? &g_current->m_handler : nullptr;
}
