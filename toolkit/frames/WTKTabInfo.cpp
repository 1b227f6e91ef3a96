#include "frames/WTKTabInfo.h"

CWTKTabInfo::CWTKTabInfo(const CString& strText, UINT uiIcon, CWnd* pWnd, int iTabID)
    : m_strText(strText), m_uiIcon(uiIcon), m_iTabID(iTabID), m_pWnd(pWnd)
{}
