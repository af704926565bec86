#include "framework/dialog/Accelerators.h"

#include "framework/dialog/ResourceTable.h"
#include "framework/window/CWnd.h"

HACCEL LoadAccelerators(UINT id) {
    return ResourceTable::FindAccelerators(id);
}

int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, MSG* lpMsg) {
    if (hAccTable == nullptr || lpMsg == nullptr ||
        (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
        return 0;
    BYTE down = FVIRTKEY;
    if (lpMsg->lParam & MK_SHIFT)
        down |= FSHIFT;
    if (lpMsg->lParam & MK_CONTROL)
        down |= FCONTROL;
    if (lpMsg->message == WM_SYSKEYDOWN)
        down |= FALT;
    CWnd* window = CWnd::FromHandle(hWnd);
    for (const ACCEL& entry : hAccTable->entries)
        if (entry.fVirt == down && entry.key == lpMsg->wParam && window != nullptr) {
            window->SendMessage(WM_COMMAND, MAKEWPARAM(entry.cmd, 0), 0);
            return 1;
        }
    return 0;
}
