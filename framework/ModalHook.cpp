#include "ModalHook.h"

#include <utility>

namespace {
ModalHook* g_current = nullptr;
}

ModalHook::ModalHook(Handler handler) : m_handler(std::move(handler)), m_previous(g_current) {
    g_current = this;
}

ModalHook::~ModalHook() {
    g_current = m_previous;
}

const ModalHook::Handler* ModalHook::Current() {
    return g_current ? &g_current->m_handler : nullptr;
}
