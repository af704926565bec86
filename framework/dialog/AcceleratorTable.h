#pragma once

#include "framework/types/WinDefs.h"

#include <vector>

// One entry of an accelerator table: a virtual key (FVIRTKEY) with the
// modifier keys that must be down with it, and the command it sends.
struct ACCEL {
    BYTE fVirt = 0; // FVIRTKEY, plus FSHIFT, FCONTROL, FALT as needed
    WORD key = 0;   // a VK_ code
    WORD cmd = 0;
};

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

// An accelerator resource: keys that send commands wherever the focus is in
// the window that translates them.
struct AcceleratorTable {
    UINT id = 0;
    std::vector<ACCEL> entries;
};

using HACCEL = const AcceleratorTable*;
