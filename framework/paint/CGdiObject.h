#pragma once

#include "framework/paint/GdiDefs.h"

// The base of pens, brushes, fonts and bitmaps. An object holds a GDI
// resource after one of its Create calls and none after DeleteObject; the
// object's address is its handle. Objects free their resource when destroyed.
class CGdiObject {
public:
    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Frees the resource. FALSE when there is none, for a stock object, and
    // for a bitmap still selected into a device context (GDI refuses that).
    BOOL DeleteObject();
    // The handle while a resource is held, else null.
    HGDIOBJ GetSafeHandle() const;

    // Resources held by all objects together, stock objects not counted, so
    // that tests can see leaks.
    static int LiveCount();

protected:
    CGdiObject() = default;
    // Called by the Create functions once the derived state is set up; a
    // resource held so far is freed first.
    void MarkCreated();
    // Whether the resource may be freed now.
    virtual bool CanRelease() const { return true; }
    // Drops the derived state; DeleteObject does the bookkeeping. Derived
    // destructors call DeleteObject, as the base cannot reach Release then.
    virtual void Release() = 0;
    // Marks a heap object whose only owner is its handle, so that
    // ::DeleteObject deletes the object as well.
    static HGDIOBJ HandOver(CGdiObject* object);

private:
    friend HGDIOBJ GetStockObject(int index);
    friend BOOL DeleteObject(HGDIOBJ object);
    bool m_created = false;
    bool m_stock = false;
    bool m_ownedByHandle = false;
};

// One of the system's shared objects (WHITE_BRUSH, NULL_BRUSH, BLACK_PEN), or
// null for another index. Deleting a stock object does nothing.
HGDIOBJ GetStockObject(int index);
// Frees the object's resource; an object made only as a handle (the bitmaps
// of GetIconInfo) is deleted with it. FALSE for null or when the object's
// DeleteObject refuses.
BOOL DeleteObject(HGDIOBJ object);
