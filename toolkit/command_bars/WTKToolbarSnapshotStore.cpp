#include "command_bars/WTKToolbarSnapshotStore.h"

#include "command_bars/WTKToolBar.h"
#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "core/File.h"
#include "core/MemFile.h"

#include <memory>
#include <new>

CWTKToolbarSnapshotStore& WTKGetToolbarSnapshotStore()
{
    // The toolkit's clean-up closes the files (the store itself goes at exit).
    static CWTKToolbarSnapshotStore store;
    return store;
}

CWTKToolbarSnapshotStore::~CWTKToolbarSnapshotStore()
{
    RemoveAll();
}

HANDLE CWTKToolbarSnapshotStore::CreateSnapshotFile()
{
    char szFolder[MAX_PATH + 1] = {};
    const DWORD nFolderChars = ::GetTempPathA(MAX_PATH, szFolder);
    if (nFolderChars == 0 || nFolderChars > MAX_PATH)
        return nullptr;
    char szPath[MAX_PATH + 1] = {};
    // Makes an empty file under a unique name; the handle below owns it from then on.
    if (::GetTempFileNameA(szFolder, kTempFilePrefix, 0, szPath) == 0)
        return nullptr;
    HANDLE hFile = ::CreateFileA(szPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        ::DeleteFileA(szPath);
        return nullptr;
    }
    return hFile;
}

BOOL CWTKToolbarSnapshotStore::WriteToolBar(CFile& file, CWTKToolBar* pToolBar)
{
    return FwFalseOnException("toolbar snapshot", [&]() {
        file.SeekToBegin();
        CArchive ar(&file, CArchive::store, kArchiveBufferSize);
        pToolBar->Serialize(ar);
        ar.Close();
    });
}

BOOL CWTKToolbarSnapshotStore::ReadToolBar(CFile& file, CWTKToolBar* pToolBar)
{
    return FwFalseOnException("toolbar snapshot", [&]() {
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load, kArchiveBufferSize);
        pToolBar->Serialize(ar);
    });
}

BOOL CWTKToolbarSnapshotStore::Save(HMENU hMenu, CWTKToolBar* pToolBar)
{
    RemoveDestroyedMenus();
    if (!pToolBar || pToolBar->GetCount() == 0 || !::IsMenu(hMenu))
        return FALSE;
    // The new snapshot is written in full before it replaces the old one.
    HANDLE hNewFile = CreateSnapshotFile();
    if (!hNewFile)
        return FALSE;
    CFile newFile(hNewFile);
    if (!WriteToolBar(newFile, pToolBar)) {
        ::CloseHandle(hNewFile);
        return FALSE;
    }
    HANDLE hOldFile = nullptr;
    if (m_Files.Lookup(hMenu, hOldFile))
        ::CloseHandle(hOldFile);
    m_Files[hMenu] = hNewFile;
    return TRUE;
}

BOOL CWTKToolbarSnapshotStore::Restore(HMENU hMenu, CWTKToolBar* pToolBar)
{
    RemoveDestroyedMenus();
    HANDLE hFile = nullptr;
    if (!pToolBar || !m_Files.Lookup(hMenu, hFile))
        return FALSE;

    // A trial read into a bar of the same class, so that a damaged file never touches the
    // toolbar; only a file that reads in full is read again into the toolbar.
    CFile file(hFile);
    {
        std::unique_ptr<CObject> scratch;
        const BOOL bMade = FwFalseOnException("toolbar snapshot", [&]() {
            scratch.reset(pToolBar->GetRuntimeClass()->CreateObject());
            if (!scratch || !scratch->IsKindOf(RUNTIME_CLASS(CWTKToolBar)))
                scratch.reset(RUNTIME_CLASS(CWTKToolBar)->CreateObject());
        });
        if (!bMade || !scratch || !ReadToolBar(file, static_cast<CWTKToolBar*>(scratch.get())))
            return FALSE;
    }
    // Should the toolbar still fail to read it (memory, or a bar whose window changes what it
    // reads), it gets its own buttons back.
    CMemFile backup;
    if (!WriteToolBar(backup, pToolBar))
        return FALSE;
    if (ReadToolBar(file, pToolBar))
        return TRUE;
    ReadToolBar(backup, pToolBar);
    return FALSE;
}

BOOL CWTKToolbarSnapshotStore::Remove(HMENU hMenu)
{
    HANDLE hFile = nullptr;
    if (!m_Files.Lookup(hMenu, hFile))
        return FALSE;
    ::CloseHandle(hFile);
    m_Files.RemoveKey(hMenu);
    return TRUE;
}

void CWTKToolbarSnapshotStore::RemoveAll()
{
    for (POSITION pos = m_Files.GetStartPosition(); pos;) {
        HMENU hMenu = nullptr;
        HANDLE hFile = nullptr;
        m_Files.GetNextAssoc(pos, hMenu, hFile);
        ::CloseHandle(hFile);
    }
    m_Files.RemoveAll();
}

INT_PTR CWTKToolbarSnapshotStore::GetCount()
{
    RemoveDestroyedMenus();
    return m_Files.GetCount();
}

void CWTKToolbarSnapshotStore::RemoveDestroyedMenus()
{
    CMap<HMENU, HMENU, HANDLE, HANDLE> destroyed;
    for (POSITION pos = m_Files.GetStartPosition(); pos;) {
        HMENU hMenu = nullptr;
        HANDLE hFile = nullptr;
        m_Files.GetNextAssoc(pos, hMenu, hFile);
        if (!::IsMenu(hMenu))
            destroyed[hMenu] = hFile;
    }
    for (POSITION pos = destroyed.GetStartPosition(); pos;) {
        HMENU hMenu = nullptr;
        HANDLE hFile = nullptr;
        destroyed.GetNextAssoc(pos, hMenu, hFile);
        Remove(hMenu);
    }
}
