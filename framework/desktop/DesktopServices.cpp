#include "framework/desktop/DesktopServices.h"

#include "framework/desktop/internal/StandardDesktopServices.h"

DesktopServices* DesktopServices::s_installed = nullptr;

DesktopServices& DesktopServices::Current() {
    static StandardDesktopServices standard;
    return s_installed != nullptr ? *s_installed : standard;
}

DesktopServices::Override::Override(DesktopServices& services) : m_previous(s_installed) {
    s_installed = &services;
}

DesktopServices::Override::~Override() {
    s_installed = m_previous;
}
