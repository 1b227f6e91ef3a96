#include "command_bars/WTKCommandManager.h"

#include "command_bars/WTKCommandBarsCleanUp.h"
#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "core/MemFile.h"
#include "foundation/WTKRegistryHolder.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace {

BOOL IsNoCommand(UINT uiCmd)
{
    return uiCmd == 0 || uiCmd == static_cast<UINT>(-1);
}

// Made before the program starts, so that the workspace finds it from its first load; the
// command bars' clean-up steps come with it.
const CWTKCommandManager* const g_pMadeAtStartUp = WTKGetCmdMgr();
CFwHookRegistration<CWTKCommandBarsCleanUpSteps, CWTKCommandBarsCleanUp> g_commandBarsCleanUp;

}  // namespace

CWTKCommandManager* WTKGetCmdMgr()
{
    static CWTKCommandManager* const pManager = [] {
        static CWTKCommandManager manager;
        WTKSetCommandManager(&manager);
        return &manager;
    }();
    return pManager;
}

int WTKGetCmdImage(UINT uiCmd, BOOL bUserImage)
{
    return WTKGetCmdMgr()->GetCmdImage(uiCmd, bUserImage);
}

void WTKCleanUpCmdMgr()
{
    WTKGetCmdMgr()->CleanUp();
}

CWTKCommandManager::~CWTKCommandManager()
{
    if (WTKGetCommandManager() == this)
        WTKSetCommandManager(nullptr);
}

void CWTKCommandManager::SetCmdImage(UINT uiCmd, int iImage, BOOL bUserImage)
{
    if (IsNoCommand(uiCmd))
        return;
    int iOther = -1;
    if (bUserImage) {
        if (!m_CommandIndex.Lookup(uiCmd, iOther))
            m_CommandIndexUser[uiCmd] = iImage;
    } else {
        if (!m_CommandIndexUser.Lookup(uiCmd, iOther))
            m_CommandIndex[uiCmd] = iImage;
    }
}

int CWTKCommandManager::GetCmdImage(UINT uiCmd, BOOL bUserImage) const
{
    int iImage = -1;
    if (!(bUserImage ? m_CommandIndexUser : m_CommandIndex).Lookup(uiCmd, iImage))
        return -1;
    return iImage;
}

void CWTKCommandManager::ClearCmdImage(UINT uiCmd)
{
    // The map frees its table and blocks when its last entry goes.
    m_CommandIndexUser.RemoveKey(uiCmd);
}

void CWTKCommandManager::EnableMenuItemImage(UINT uiCmd, BOOL bEnable)
{
    POSITION pos = m_lstCommandsWithoutImages.Find(uiCmd);
    if (bEnable) {
        if (pos)
            m_lstCommandsWithoutImages.RemoveAt(pos);
    } else if (!pos) {
        m_lstCommandsWithoutImages.AddTail(uiCmd);
    }
}

BOOL CWTKCommandManager::IsMenuItemWithoutImage(UINT uiCmd) const
{
    return m_lstCommandsWithoutImages.Find(uiCmd) != nullptr;
}

void CWTKCommandManager::CleanUp()
{
    m_CommandIndex.RemoveAll();
    m_CommandIndexUser.RemoveAll();
    m_lstCommandsWithoutImages.RemoveAll();
}

CString CWTKCommandManager::GetRegistryKey(LPCTSTR lpszProfileName)
{
    CString strKey;
    strKey.Format(kRegistryKeyFormat, BuildRegistryPath(kWTKToolBarsSection, lpszProfileName).GetString());
    return strKey;
}

BOOL CWTKCommandManager::LoadState(LPCTSTR lpszProfileName)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(GetRegistryKey(lpszProfileName)))
        return FALSE;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.Read(kCommandsWithoutImagesValue, pData, nBytes))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);

    // Read everything first, so that a damaged value changes nothing.
    CList<UINT, UINT> lstRead;
    const BOOL bRead = FwFalseOnException("command manager state", [&]() -> BOOL {
        CMemFile file(data.get(), nBytes);
        CArchive ar(&file, CArchive::load);
        const DWORD_PTR nCount = ar.ReadCount();
        if (nCount > kMaxCommandsWithoutImages)
            return FALSE;
        ar.CheckCount(nCount, sizeof(DWORD));
        for (DWORD_PTR i = 0; i < nCount; ++i) {
            DWORD dwCmd = 0;
            ar >> dwCmd;
            lstRead.AddTail(dwCmd);
        }
        // Bytes after the list mean the value is not what we wrote.
        BYTE byExtra = 0;
        return ar.Read(&byExtra, 1) == 0;
    });
    if (!bRead)
        return FALSE;

    for (POSITION pos = lstRead.GetHeadPosition(); pos;)
        EnableMenuItemImage(lstRead.GetNext(pos), FALSE);
    return TRUE;
}

BOOL CWTKCommandManager::SaveState(LPCTSTR lpszProfileName)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(GetRegistryKey(lpszProfileName)))
        return FALSE;
    return FwFalseOnException("command manager state", [&]() -> BOOL {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar.WriteCount(static_cast<DWORD_PTR>(m_lstCommandsWithoutImages.GetCount()));
            for (POSITION pos = m_lstCommandsWithoutImages.GetHeadPosition(); pos;)
                ar << static_cast<DWORD>(m_lstCommandsWithoutImages.GetNext(pos));
            ar.Close();
        }
        const UINT nBytes = static_cast<UINT>(file.GetLength());
        std::unique_ptr<BYTE, decltype(&std::free)> data(file.Detach(), &std::free);
        return reg.Write(kCommandsWithoutImagesValue, data.get(), nBytes);
    });
}
