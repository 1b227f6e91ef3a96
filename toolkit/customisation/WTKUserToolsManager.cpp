#include "customisation/WTKUserToolsManager.h"

#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKRegistry.h"
#include "foundation/WTKRegistryHolder.h"

#include "gdi/DC.h"

#include <algorithm>

CWTKUserToolsManager::CWTKUserToolsManager(UINT uiCmdToolsEntry, UINT uiCmdFirst, UINT uiCmdLast, int nMaxTools,
                                           LPCTSTR lpszFilter, LPCTSTR lpszDefExt)
    : m_uiCmdToolsEntry(uiCmdToolsEntry),
      m_uiCmdFirst(uiCmdFirst),
      m_uiCmdLast(uiCmdLast),
      m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : "")
{
    const long long nRange = uiCmdLast >= uiCmdFirst ? static_cast<long long>(uiCmdLast) - uiCmdFirst + 1 : 0;
    const long long nLimit = nMaxTools >= 0 && nMaxTools < nRange ? nMaxTools : nRange;
    m_nMaxTools = static_cast<int>(std::min<long long>(nLimit, 0x7FFFFFFF));
    if (lpszFilter != nullptr)
        m_strFilter = lpszFilter;
    else
        m_strFilter.LoadString(IDS_WTK_USER_TOOLS_FILTER);
    WTKSetUserToolsManager(this);
}

CWTKUserToolsManager::~CWTKUserToolsManager()
{
    RemoveAllTools();
    if (WTKGetUserToolsManager() == this)
        WTKSetUserToolsManager(nullptr);
}

void CWTKUserToolsManager::RemoveAllTools()
{
    while (!m_lstUserTools.IsEmpty())
        delete m_lstUserTools.RemoveHead();
}

BOOL CWTKUserToolsManager::LoadState(LPCTSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(kWTKUserToolsManagerSection, lpszProfileName);
    // A failed load leaves no tools.
    RemoveAllTools();

    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.Open(strPath))
        return FALSE;
    CObList lstRead;
    BOOL bRead = reg.Read(kWTKUserToolsEntry, lstRead, RUNTIME_CLASS(CWTKUserTool));
    // A null entry is as damaged as a foreign class.
    for (POSITION pos = lstRead.GetHeadPosition(); bRead && pos != nullptr;) {
        const CObject* pObject = lstRead.GetNext(pos);
        bRead = pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CWTKUserTool));
    }
    if (!bRead) {
        while (!lstRead.IsEmpty())
            delete lstRead.RemoveHead();
        return FALSE;
    }
    m_lstUserTools.AddTail(&lstRead);
    return TRUE;
}

BOOL CWTKUserToolsManager::SaveState(LPCTSTR lpszProfileName)
{
    const CString strPath = BuildRegistryPath(kWTKUserToolsManagerSection, lpszProfileName);
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(strPath))
        return FALSE;
    return reg.Write(kWTKUserToolsEntry, m_lstUserTools);
}

CWTKUserTool* CWTKUserToolsManager::FindTool(UINT uiCmdId) const
{
    if (!IsUserToolCmd(uiCmdId))
        return nullptr;
    for (POSITION pos = m_lstUserTools.GetHeadPosition(); pos != nullptr;) {
        auto* pTool = static_cast<CWTKUserTool*>(m_lstUserTools.GetNext(pos));
        if (pTool->GetCommandId() == uiCmdId)
            return pTool;
    }
    return nullptr;
}

BOOL CWTKUserToolsManager::InvokeTool(UINT uiCmdId)
{
    CWTKUserTool* pTool = FindTool(uiCmdId);
    return pTool != nullptr && pTool->Run();
}

UINT CWTKUserToolsManager::FindFreeId() const
{
    for (UINT uiId = m_uiCmdFirst; IsUserToolCmd(uiId); ++uiId) {
        if (FindTool(uiId) == nullptr)
            return uiId;
        if (uiId == m_uiCmdLast)
            break;
    }
    return 0;
}

CWTKUserTool* CWTKUserToolsManager::CreateNewTool()
{
    if (GetToolCount() >= m_nMaxTools)
        return nullptr;
    const UINT uiId = FindFreeId();
    if (uiId == 0)
        return nullptr;
    auto* pTool = new CWTKUserTool;
    pTool->m_uiCmdId = uiId;
    m_lstUserTools.AddTail(pTool);
    return pTool;
}

BOOL CWTKUserToolsManager::RemoveTool(CWTKUserTool* pTool)
{
    POSITION pos = pTool != nullptr ? m_lstUserTools.Find(pTool) : nullptr;
    if (pos == nullptr)
        return FALSE;
    m_lstUserTools.RemoveAt(pos);
    delete pTool;
    return TRUE;
}

BOOL CWTKUserToolsManager::MoveTool(CWTKUserTool* pTool, BOOL bUp)
{
    POSITION pos = pTool != nullptr ? m_lstUserTools.Find(pTool) : nullptr;
    if (pos == nullptr)
        return FALSE;
    POSITION posNeighbour = pos;
    if (bUp)
        m_lstUserTools.GetPrev(posNeighbour);
    else
        m_lstUserTools.GetNext(posNeighbour);
    if (posNeighbour == nullptr)
        return FALSE;
    m_lstUserTools.RemoveAt(pos);
    if (bUp)
        m_lstUserTools.InsertBefore(posNeighbour, pTool);
    else
        m_lstUserTools.InsertAfter(posNeighbour, pTool);
    return TRUE;
}

BOOL CWTKUserToolsManager::MoveToolUp(CWTKUserTool* pTool)
{
    return MoveTool(pTool, TRUE);
}

BOOL CWTKUserToolsManager::MoveToolDown(CWTKUserTool* pTool)
{
    return MoveTool(pTool, FALSE);
}

BOOL CWTKUserToolsManager::GetToolAt(int nIndex, UINT& uiCmdId, CString& strLabel) const
{
    POSITION pos = nIndex >= 0 ? m_lstUserTools.FindIndex(nIndex) : nullptr;
    if (pos == nullptr)
        return FALSE;
    const auto* pTool = static_cast<const CWTKUserTool*>(m_lstUserTools.GetAt(pos));
    uiCmdId = pTool->GetCommandId();
    strLabel = pTool->m_strLabel;
    return TRUE;
}

BOOL CWTKUserToolsManager::GetToolLabel(UINT uiCmdId, CString& strLabel) const
{
    const CWTKUserTool* pTool = FindTool(uiCmdId);
    if (pTool == nullptr)
        return FALSE;
    strLabel = pTool->m_strLabel;
    return TRUE;
}

HICON CWTKUserToolsManager::GetToolIcon(UINT uiCmdId) const
{
    const CWTKUserTool* pTool = FindTool(uiCmdId);
    return pTool != nullptr ? pTool->GetIcon() : nullptr;
}

BOOL CWTKUserToolsManager::DrawToolIcon(UINT uiCmdId, HDC hDC, const RECT& rect) const
{
    const CWTKUserTool* pTool = FindTool(uiCmdId);
    if (pTool == nullptr || hDC == nullptr)
        return FALSE;
    pTool->DrawToolIcon(CDC::FromHandle(hDC), CRect(rect));
    return TRUE;
}

BOOL CWTKUserToolsManager::CopyToolIconToClipboard(UINT uiCmdId) const
{
    const CWTKUserTool* pTool = FindTool(uiCmdId);
    return pTool != nullptr && pTool->CopyIconToClipboard();
}
