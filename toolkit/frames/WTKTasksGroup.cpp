#include "frames/WTKTasksGroup.h"

CWTKTasksGroup::CWTKTasksGroup(int nPage, LPCSTR lpszName, BOOL bBottomLocation, BOOL bSpecial, HICON hIcon)
    : m_nPage(nPage), m_strName(lpszName != nullptr ? lpszName : ""), m_bIsBottom(bBottomLocation),
      m_bIsSpecial(bSpecial), m_hIcon(hIcon)
{
    ICONINFO info {};
    if (hIcon != nullptr && ::GetIconInfo(hIcon, &info)) {
        BITMAP bm {};
        if (info.hbmColor != nullptr && ::GetObjectA(info.hbmColor, sizeof(bm), &bm)) {
            m_sizeIcon = CSize(bm.bmWidth, bm.bmHeight);
        } else if (info.hbmMask != nullptr && ::GetObjectA(info.hbmMask, sizeof(bm), &bm)) {
            m_sizeIcon = CSize(bm.bmWidth, bm.bmHeight / 2);
        }
        if (info.hbmColor != nullptr)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask != nullptr)
            ::DeleteObject(info.hbmMask);
    }
}

CWTKTasksGroup::~CWTKTasksGroup()
{
    while (!m_lstTasks.IsEmpty())
        delete m_lstTasks.RemoveHead();
}

CWTKTask* CWTKTasksGroup::GetTask(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetTaskCount())
        return nullptr;
    return static_cast<CWTKTask*>(m_lstTasks.GetAt(m_lstTasks.FindIndex(nIndex)));
}

int CWTKTasksGroup::IndexOfTask(const CWTKTask* pTask) const
{
    int i = 0;
    for (POSITION pos = m_lstTasks.GetHeadPosition(); pos != nullptr; i++) {
        if (m_lstTasks.GetNext(pos) == pTask)
            return i;
    }
    return -1;
}
