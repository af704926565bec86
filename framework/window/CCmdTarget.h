#pragma once

#include "framework/types/WinDefs.h"
#include "framework/window/CommandMap.h"

// An object that receives commands through its class's command map.
class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler that the command map gives for command `nID` with
    // notification `nCode`. FALSE when the map has none.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode);

protected:
    // The class's command map (see CommandMap); the base has none.
    virtual const CommandMap& GetCommandMap() const;
};
