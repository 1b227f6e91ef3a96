// CWTKTasksGroup: a group of the tasks pane: a caption on one page and the list of its tasks.
#pragma once

#include "frames/WTKTask.h"

#include "foundation/WTKTasksGroupInfo.h"

#include "core/ObList.h"
#include "core/Object.h"
#include "core/Rect.h"
#include "core/Size.h"
#include "core/String.h"

class CWTKTasksGroup : public CObject, public CWTKTasksGroupInfo {
public:
    CWTKTasksGroup(int nPage, LPCSTR lpszName, BOOL bBottomLocation, BOOL bSpecial, HICON hIcon);
    ~CWTKTasksGroup() override;
    CWTKTasksGroup(const CWTKTasksGroup&) = delete;
    CWTKTasksGroup& operator=(const CWTKTasksGroup&) = delete;

    // What the looks read.
    CRect GetCaptionRect() const override { return m_rect; }
    CString GetCaptionText() const override { return m_strName; }
    HICON GetIcon() const override { return m_hIcon; }
    CSize GetIconSize() const override { return m_sizeIcon; }
    BOOL IsSpecial() const override { return m_bIsSpecial; }
    BOOL IsCollapsed() const override { return m_bIsCollapsed; }

    int GetTaskCount() const { return static_cast<int>(m_lstTasks.GetCount()); }
    CWTKTask* GetTask(int nIndex) const;
    int IndexOfTask(const CWTKTask* pTask) const;

    int m_nPage;
    CString m_strName;
    BOOL m_bIsBottom;
    BOOL m_bIsSpecial;
    BOOL m_bIsCollapsed = FALSE;
    HICON m_hIcon;  // not owned
    CSize m_sizeIcon;
    CRect m_rect;       // the caption
    CRect m_rectGroup;  // the tasks' area below it
    CObList m_lstTasks;  // CWTKTask, owned
};
