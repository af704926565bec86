#include "framework/window/CCmdTarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    return GetCommandMap().Dispatch(*this, nID, nCode);
}

const CommandMap& CCmdTarget::GetCommandMap() const {
    static const CommandMap empty;
    return empty;
}
