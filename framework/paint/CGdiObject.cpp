#include "framework/paint/CGdiObject.h"

#include "framework/paint/CBrush.h"
#include "framework/paint/CPen.h"

#include <initializer_list>

namespace {
int g_liveObjects = 0;
} // namespace

BOOL CGdiObject::DeleteObject() {
    if (!m_created || m_stock || !CanRelease())
        return FALSE;
    Release();
    m_created = false;
    --g_liveObjects;
    return TRUE;
}

HGDIOBJ CGdiObject::GetSafeHandle() const {
    return m_created ? const_cast<CGdiObject*>(this) : nullptr;
}

int CGdiObject::LiveCount() {
    return g_liveObjects;
}

void CGdiObject::MarkCreated() {
    if (m_created)
        --g_liveObjects;
    m_created = true;
    ++g_liveObjects;
}

HGDIOBJ CGdiObject::HandOver(CGdiObject* object) {
    object->m_ownedByHandle = true;
    return object;
}

HGDIOBJ GetStockObject(int index) {
    static CBrush whiteBrush(RGB(255, 255, 255));
    static CBrush nullBrush;
    static CPen blackPen(PS_SOLID, 1, RGB(0, 0, 0));
    static const bool made = [] {
        const LOGBRUSH hollow{BS_NULL, 0};
        nullBrush.CreateBrushIndirect(&hollow);
        for (CGdiObject* object :
             {static_cast<CGdiObject*>(&whiteBrush), static_cast<CGdiObject*>(&nullBrush),
              static_cast<CGdiObject*>(&blackPen)}) {
            object->m_stock = true;
            --g_liveObjects;
        }
        return true;
    }();
    static_cast<void>(made);
    switch (index) {
    case WHITE_BRUSH:
        return &whiteBrush;
    case NULL_BRUSH:
        return &nullBrush;
    case BLACK_PEN:
        return &blackPen;
    default:
        return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object) {
    if (object == nullptr)
        return FALSE;
    if (object->m_stock)
        return TRUE;
    const BOOL freed = object->DeleteObject();
    if (freed && object->m_ownedByHandle)
        delete object;
    return freed;
}
