// CWTKToolbarSnapshotStore: parks the button list of a toolbar (in practice the items of a
// menu bar or popup menu bar, keyed by its menu handle) in a temporary file that disappears
// when it is closed, so that a customised menu is rebuilt from it whenever the same menu is
// shown again. An entry whose menu has been destroyed is dropped (with its file) the next time
// the store is used, so a later menu that happens to get the same handle never sees it.
#pragma once
#include "core/Map.h"

#include <windows.h>

class CFile;
class CWTKToolBar;

class CWTKToolbarSnapshotStore {
public:
    static constexpr char kTempFilePrefix[] = "WTK";
    static constexpr int kArchiveBufferSize = 4096;

    CWTKToolbarSnapshotStore() = default;
    // Closes every file.
    ~CWTKToolbarSnapshotStore();
    CWTKToolbarSnapshotStore(const CWTKToolbarSnapshotStore&) = delete;
    CWTKToolbarSnapshotStore& operator=(const CWTKToolbarSnapshotStore&) = delete;

    // Writes the toolbar to a new file kept under the menu. FALSE for a bar without buttons or
    // a menu that does not exist; when writing fails the menu's earlier snapshot stays.
    BOOL Save(HMENU hMenu, CWTKToolBar* pToolBar);
    // Reads the menu's snapshot into the toolbar. FALSE without one; when the snapshot cannot
    // be read the toolbar stays as it was.
    BOOL Restore(HMENU hMenu, CWTKToolBar* pToolBar);
    // Closes the menu's file; FALSE without one.
    BOOL Remove(HMENU hMenu);
    void RemoveAll();
    // Snapshots of menus that still exist.
    INT_PTR GetCount();

protected:
    // Drops the entries of menus destroyed since.
    void RemoveDestroyedMenus();
    // A new, empty temporary file, open for reading and writing; null on failure.
    static HANDLE CreateSnapshotFile();
    // The toolbar stored in, or loaded from, the file from its start; FALSE on any failure.
    static BOOL WriteToolBar(CFile& file, CWTKToolBar* pToolBar);
    static BOOL ReadToolBar(CFile& file, CWTKToolBar* pToolBar);

    CMap<HMENU, HMENU, HANDLE, HANDLE> m_Files;
};

// The process's store.
CWTKToolbarSnapshotStore& WTKGetToolbarSnapshotStore();
