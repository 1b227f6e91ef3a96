// What the looks read of a group of the tasks pane when they draw its caption.
#pragma once

#include "core/Rect.h"
#include "core/String.h"

#include <windows.h>

class CWTKTasksGroupInfo {
public:
    virtual ~CWTKTasksGroupInfo() = default;

    virtual CRect GetCaptionRect() const = 0;
    virtual CString GetCaptionText() const = 0;
    // Null when the group has no icon.
    virtual HICON GetIcon() const = 0;
    virtual CSize GetIconSize() const = 0;
    // A special group is drawn in the selection colours.
    virtual BOOL IsSpecial() const = 0;
    virtual BOOL IsCollapsed() const = 0;
};
