#include "frames/WTKTask.h"

CWTKTask::CWTKTask(CWTKTasksGroup* pGroup, LPCSTR lpszName, int nIcon, UINT uiCommandID, DWORD_PTR dwUserData,
                   HWND hwndTask, BOOL bAutoDestroyWindow, int nWindowHeight)
    : m_pGroup(pGroup), m_strName(lpszName != nullptr ? lpszName : ""), m_nIcon(nIcon), m_uiCommandID(uiCommandID),
      m_dwUserData(dwUserData), m_hwndTask(hwndTask), m_bAutoDestroyWindow(bAutoDestroyWindow),
      m_nWindowHeight(nWindowHeight < 0 ? 0 : nWindowHeight)
{
}

CWTKTask::~CWTKTask()
{
    if (m_bAutoDestroyWindow && m_hwndTask != nullptr && ::IsWindow(m_hwndTask))
        ::DestroyWindow(m_hwndTask);
}
