// CWTKUserToolsManagerBase: the optional user tools manager as the layers below it see it: tools
// run by command id, their registry state, and what the bars and menus show of them (the menu
// item that stands for the list of tools, the tools' command id range, a tool's label and icon).
// The answers of a manager without tools are the defaults below, so a stand-in needs none of them.
#pragma once
#include "foundation/WTKProcessPointer.h"

#include "core/String.h"

#include <windows.h>

class CWTKUserToolsManagerBase {
public:
    virtual ~CWTKUserToolsManagerBase() = default;

    // Runs the tool with the command id; FALSE when there is none or it fails to start.
    virtual BOOL InvokeTool(UINT uiCmdId) = 0;
    virtual BOOL LoadState(LPCTSTR lpszProfileName) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName) = 0;

    // The command of the menu item that stands for the list of tools; 0: none.
    virtual UINT GetToolsEntryCmd() const { return 0; }
    // The inclusive range of the tools' command ids; first above last: no range.
    virtual UINT GetFirstToolId() const { return 1; }
    virtual UINT GetLastToolId() const { return 0; }
    BOOL IsUserToolCmd(UINT uiCmdId) const { return uiCmdId >= GetFirstToolId() && uiCmdId <= GetLastToolId(); }

    // The tools in menu order: the command id and label of the one at nIndex; FALSE outside.
    virtual int GetToolCount() const { return 0; }
    virtual BOOL GetToolAt(int /*nIndex*/, UINT& /*uiCmdId*/, CString& /*strLabel*/) const { return FALSE; }
    // The label of the tool with the command id; FALSE when there is none.
    virtual BOOL GetToolLabel(UINT /*uiCmdId*/, CString& /*strLabel*/) const { return FALSE; }
    // The icon the tool with the command id draws (its own, else the shared default icon); null
    // when there is no such tool. The manager keeps it.
    virtual HICON GetToolIcon(UINT /*uiCmdId*/) const { return nullptr; }
    // Draws that tool's icon centred in the rectangle; FALSE when there is no such tool.
    virtual BOOL DrawToolIcon(UINT /*uiCmdId*/, HDC /*hDC*/, const RECT& /*rect*/) const { return FALSE; }
    // Puts that tool's icon on the clipboard as a bitmap; FALSE when there is no such tool or
    // the copy failed (the user has been told).
    virtual BOOL CopyToolIconToClipboard(UINT /*uiCmdId*/) const { return FALSE; }
};

// The process-wide user tools manager, or null (it is set when the object is made and cleared when
// the object goes).
inline CWTKUserToolsManagerBase* WTKGetUserToolsManager()
{
    return WTKProcessPointer<CWTKUserToolsManagerBase>();
}
inline void WTKSetUserToolsManager(CWTKUserToolsManagerBase* pObject)
{
    WTKProcessPointer<CWTKUserToolsManagerBase>() = pObject;
}

// The tests every caller makes; both FALSE while no manager exists.
inline BOOL WTKIsUserToolCmd(UINT uiCmdId)
{
    const CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    return pTools != nullptr && pTools->IsUserToolCmd(uiCmdId);
}
inline BOOL WTKIsUserToolsEntryCmd(UINT uiCmdId)
{
    const CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    return pTools != nullptr && uiCmdId != 0 && uiCmdId == pTools->GetToolsEntryCmd();
}
// The tool with the command id runs; FALSE without a manager or such a tool.
inline BOOL WTKInvokeUserTool(UINT uiCmdId)
{
    CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    return pTools != nullptr && pTools->InvokeTool(uiCmdId);
}
// A plain command (no control, no notification) with a tool's id runs the tool; the frames ask
// this when no handler took the command, as from a context menu that sends its items here.
inline BOOL WTKInvokeUserToolCommand(WPARAM wParam, LPARAM lParam)
{
    return lParam == 0 && HIWORD(wParam) == 0 && WTKInvokeUserTool(LOWORD(wParam));
}
// The icon of the tool with the command id; null without a manager or such a tool (so it also
// tells whether the id belongs to a tool).
inline HICON WTKGetUserToolIcon(UINT uiCmdId)
{
    const CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    return pTools != nullptr ? pTools->GetToolIcon(uiCmdId) : nullptr;
}
inline BOOL WTKDrawUserToolIcon(UINT uiCmdId, HDC hDC, const RECT& rect)
{
    const CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    return pTools != nullptr && pTools->DrawToolIcon(uiCmdId, hDC, rect);
}
