// What the looks read of one task (a link line) of the tasks pane.
#pragma once

#include "core/Rect.h"
#include "core/String.h"

#include <windows.h>

class CWTKTaskInfo {
public:
    virtual ~CWTKTaskInfo() = default;

    virtual CRect GetRect() const = 0;
    virtual CString GetText() const = 0;
    // -1 when the task has no image.
    virtual int GetIcon() const = 0;
    virtual BOOL IsSeparator() const = 0;
    virtual BOOL IsEnabled() const = 0;
    // 0 for a task without a command (a program handles its click itself).
    virtual UINT GetCommandID() const = 0;
};
