// CWTKUserTool: one user tool: a menu label, a command (a program, document or bare file name
// started through the shell), its arguments and initial directory, the command id the manager
// gave it, and the small icon of the command. Stored in the workspace through its archiving.
#pragma once
#include "core/Object.h"
#include "core/Rect.h"
#include "core/String.h"

#include <windows.h>

class CDC;

class CWTKUserTool : public CObject {
    DECLARE_SERIAL(CWTKUserTool)
public:
    // Bytes of the search path's file name buffer.
    static constexpr DWORD kMaxSearchPath = MAX_PATH;
    // The shell's results up to this one are failures.
    static constexpr INT_PTR kLastShellError = 32;

    CWTKUserTool() = default;
    // Releases the icon (never the shared default one).
    ~CWTKUserTool() override;
    CWTKUserTool(const CWTKUserTool&) = delete;
    CWTKUserTool& operator=(const CWTKUserTool&) = delete;

    void Serialize(CArchive& ar) override;
    // Starts the command through the shell; FALSE for an empty command or when the shell fails.
    virtual BOOL Run();

    // Draws the icon (the default one while the tool has none) centred in the rectangle.
    void DrawToolIcon(CDC* pDC, const CRect& rectImage) const;
    // Puts the icon on a button-face square onto the clipboard as a bitmap; on failure the user
    // is told and the result is FALSE.
    BOOL CopyIconToClipboard() const;

    // A different command (exact comparison) replaces the current one and reloads the icon; the
    // same command changes nothing.
    void SetCommand(LPCTSTR lpszCmd);
    const CString& GetCommand() const { return m_strCommand; }
    UINT GetCommandId() const { return m_uiCmdId; }
    // The icon drawn for the tool: its own, else the shared default icon.
    HICON GetIcon() const { return m_hIcon != nullptr ? m_hIcon : GetDefaultIcon(); }
    HICON GetOwnIcon() const { return m_hIcon; }

    // The shared default icon (resource kWTKIdiTool at the small icon size), loaded on first use.
    static HICON GetDefaultIcon();

    CString m_strLabel;
    CString m_strArguments;
    CString m_strInitialDirectory;

protected:
    friend class CWTKUserToolsManager;

    // The command's small icon from the shell; the default icon when the command can't be found.
    virtual HICON LoadToolIcon();
    virtual void DeleteIcon();

    UINT m_uiCmdId = 0;
    CString m_strCommand;
    HICON m_hIcon = nullptr;
};
