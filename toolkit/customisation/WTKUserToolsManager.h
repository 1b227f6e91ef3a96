// CWTKUserToolsManager: the process-wide list of user tools. The application makes it (before
// the workspace loads its state) with the command of the menu item that stands for the tools
// and the range of command ids tools get; while it exists, menus show the tools in place of that
// item, and choosing one runs it. The tools live in the workspace's registry state:
//
// Registry: BuildRegistryPath("WTKUserToolsManager", profile), binary value "Tools": an archive
// of the tool list (a count, then each tool as an object of class "CWTKUserTool").
#pragma once
#include "customisation/WTKUserTool.h"

#include "foundation/WTKUserToolsManagerBase.h"

#include "core/ObList.h"
#include "core/String.h"

class CWTKUserToolsManager : public CWTKUserToolsManagerBase {
public:
    // Becomes the process-wide manager. The tools get ids from uiCmdFirst to uiCmdLast, so there
    // may be as many tools as the range holds, and no more than nMaxTools when that is given.
    // The file filter and default extension are those of the browse for a tool's command; a
    // null filter takes the toolkit's (string 16023).
    CWTKUserToolsManager(UINT uiCmdToolsEntry, UINT uiCmdFirst, UINT uiCmdLast, int nMaxTools = -1,
                         LPCTSTR lpszFilter = nullptr, LPCTSTR lpszDefExt = "exe");
    // Deletes the tools and stops being the process-wide manager.
    ~CWTKUserToolsManager() override;
    CWTKUserToolsManager(const CWTKUserToolsManager&) = delete;
    CWTKUserToolsManager& operator=(const CWTKUserToolsManager&) = delete;

    BOOL LoadState(LPCTSTR lpszProfileName) override;
    BOOL SaveState(LPCTSTR lpszProfileName) override;
    BOOL InvokeTool(UINT uiCmdId) override;
    // The first tool in list order with the id; none outside the range.
    CWTKUserTool* FindTool(UINT uiCmdId) const;

    // ---- The list, as the Tools page edits it ----
    // A new tool at the end of the list with the lowest free id; null when the list is full.
    CWTKUserTool* CreateNewTool();
    // Removes the tool from the list and deletes it; FALSE when it isn't in the list.
    BOOL RemoveTool(CWTKUserTool* pTool);
    // Moves the tool one place up (towards the head) or down; FALSE when it can't move.
    BOOL MoveToolUp(CWTKUserTool* pTool);
    BOOL MoveToolDown(CWTKUserTool* pTool);
    void RemoveAllTools();
    const CObList& GetUserTools() const { return m_lstUserTools; }
    int GetMaxTools() const { return m_nMaxTools; }

    LPCTSTR GetFilter() const { return m_strFilter; }
    LPCTSTR GetDefExt() const { return m_strDefExt; }

    // CWTKUserToolsManagerBase
    UINT GetToolsEntryCmd() const override { return m_uiCmdToolsEntry; }
    UINT GetFirstToolId() const override { return m_uiCmdFirst; }
    UINT GetLastToolId() const override { return m_uiCmdLast; }
    int GetToolCount() const override { return static_cast<int>(m_lstUserTools.GetCount()); }
    BOOL GetToolAt(int nIndex, UINT& uiCmdId, CString& strLabel) const override;
    BOOL GetToolLabel(UINT uiCmdId, CString& strLabel) const override;
    HICON GetToolIcon(UINT uiCmdId) const override;
    BOOL DrawToolIcon(UINT uiCmdId, HDC hDC, const RECT& rect) const override;
    BOOL CopyToolIconToClipboard(UINT uiCmdId) const override;

protected:
    // The lowest id of the range that no tool carries; 0 when there is none.
    UINT FindFreeId() const;
    BOOL MoveTool(CWTKUserTool* pTool, BOOL bUp);

    CObList m_lstUserTools;
    UINT m_uiCmdToolsEntry;
    UINT m_uiCmdFirst;
    UINT m_uiCmdLast;
    int m_nMaxTools;
    CString m_strFilter;
    CString m_strDefExt;
};
