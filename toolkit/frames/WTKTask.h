// CWTKTask: one task of a tasks pane group: a link line with an icon that sends a command (or
// that a program handles in the pane's task-click operation), or a child window the group holds.
#pragma once

#include "foundation/WTKTaskInfo.h"

#include "core/Object.h"
#include "core/Rect.h"
#include "core/String.h"

class CWTKTasksGroup;

class CWTKTask : public CObject, public CWTKTaskInfo {
public:
    CWTKTask(CWTKTasksGroup* pGroup, LPCSTR lpszName, int nIcon, UINT uiCommandID, DWORD_PTR dwUserData = 0,
             HWND hwndTask = nullptr, BOOL bAutoDestroyWindow = FALSE, int nWindowHeight = 0);
    ~CWTKTask() override;
    CWTKTask(const CWTKTask&) = delete;
    CWTKTask& operator=(const CWTKTask&) = delete;

    // What the looks read.
    CRect GetRect() const override { return m_rect; }
    CString GetText() const override { return m_strName; }
    int GetIcon() const override { return m_nIcon; }
    BOOL IsSeparator() const override { return m_strName.IsEmpty() && m_hwndTask == nullptr && m_uiCommandID == 0; }
    BOOL IsEnabled() const override { return m_bEnabled; }
    UINT GetCommandID() const override { return m_uiCommandID; }

    CWTKTasksGroup* m_pGroup;
    CString m_strName;
    int m_nIcon;
    UINT m_uiCommandID;
    DWORD_PTR m_dwUserData;
    HWND m_hwndTask;            // a child window the task holds, or null
    BOOL m_bAutoDestroyWindow;  // the task destroys its window with itself
    int m_nWindowHeight;
    BOOL m_bVisible = TRUE;
    BOOL m_bEnabled = TRUE;
    BOOL m_bIsBold = FALSE;
    CRect m_rect;
};
