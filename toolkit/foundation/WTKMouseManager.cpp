#include "foundation/WTKMouseManager.h"

#include "foundation/WTKRegistryHolder.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/File.h"
#include "core/StringList.h"

namespace {
constexpr char kMouseRegEntry[] = "WTKMouseManager";
constexpr char kMouseValue[] = "Mouse";
}  // namespace

IMPLEMENT_SERIAL(CWTKMouseManager, CObject, 1)

CWTKMouseManager::CWTKMouseManager()
{
    WTKSetMouseManager(this);
}

CWTKMouseManager::~CWTKMouseManager()
{
    if (WTKGetMouseManager() == this)
        WTKSetMouseManager(nullptr);
}

BOOL CWTKMouseManager::AddView(int iViewId, LPCTSTR lpszViewName, UINT uiIconId)
{
    if (lpszViewName == nullptr || *lpszViewName == '\0')
        return FALSE;
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != nullptr;) {
        CString strName;
        int iId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iId);
        if (iId == iViewId && strName != lpszViewName)
            return FALSE;
    }
    m_ViewsNames.SetAt(lpszViewName, iViewId);
    if (uiIconId != 0)
        m_ViewsToIcons.SetAt(static_cast<UINT>(iViewId), uiIconId);
    return TRUE;
}

UINT CWTKMouseManager::GetViewDblClickCommand(int iViewId) const
{
    UINT uiCmd = 0;
    return m_ViewsToCommands.Lookup(static_cast<UINT>(iViewId), uiCmd) ? uiCmd : 0;
}

void CWTKMouseManager::SetViewDblClickCommand(int iViewId, UINT uiCmd)
{
    if (uiCmd == 0)
        m_ViewsToCommands.RemoveKey(static_cast<UINT>(iViewId));
    else
        m_ViewsToCommands.SetAt(static_cast<UINT>(iViewId), uiCmd);
}

void CWTKMouseManager::GetViewNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != nullptr;) {
        CString strName;
        int iId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iId);
        listOfNames.AddTail(strName);
    }
}

int CWTKMouseManager::GetViewIdByName(LPCTSTR lpszName) const
{
    int iId = -1;
    if (lpszName == nullptr || !m_ViewsNames.Lookup(lpszName, iId))
        return -1;
    return iId;
}

UINT CWTKMouseManager::GetViewIconId(int iViewId) const
{
    UINT uiIcon = 0;
    return m_ViewsToIcons.Lookup(static_cast<UINT>(iViewId), uiIcon) ? uiIcon : 0;
}

void CWTKMouseManager::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsLoading()) {
        m_ViewsToCommands.RemoveAll();
        int nCount = 0;
        ar >> nCount;
        // The count is untrusted: it may not promise more pairs than the value holds.
        const ULONGLONG nLength = ar.GetFile() != nullptr ? ar.GetFile()->GetLength() : 0;
        const ULONGLONG nMaxPairs = nLength >= kCountBytes ? (nLength - kCountBytes) / kPairBytes : 0;
        if (nCount < 0 || static_cast<ULONGLONG>(nCount) > nMaxPairs) {
            m_ViewsToCommands.RemoveAll();
            FwThrowArchiveException(CArchiveException::badIndex);
        }
        for (int i = 0; i < nCount; i++) {
            int iViewId = 0;
            UINT uiCmd = 0;
            ar >> iViewId;
            ar >> uiCmd;
            // A pair without a command binds nothing.
            if (uiCmd != 0)
                m_ViewsToCommands.SetAt(static_cast<UINT>(iViewId), uiCmd);
        }
    } else {
        ar << static_cast<int>(m_ViewsToCommands.GetCount());
        for (POSITION pos = m_ViewsToCommands.GetStartPosition(); pos != nullptr;) {
            UINT uiViewId = 0;
            UINT uiCmd = 0;
            m_ViewsToCommands.GetNextAssoc(pos, uiViewId, uiCmd);
            ar << static_cast<int>(uiViewId);
            ar << uiCmd;
        }
    }
}

BOOL CWTKMouseManager::LoadState(LPCTSTR lpszProfileName)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(BuildRegistryPath(kMouseRegEntry, lpszProfileName)) || !reg.VerifyValue(kMouseValue))
        return FALSE;
    if (!reg.Read(kMouseValue, *this)) {
        // Whatever a damaged value left half-read goes.
        m_ViewsToCommands.RemoveAll();
        return FALSE;
    }
    return TRUE;
}

BOOL CWTKMouseManager::SaveState(LPCTSTR lpszProfileName)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(BuildRegistryPath(kMouseRegEntry, lpszProfileName)))
        return FALSE;
    return reg.Write(kMouseValue, *this);
}
