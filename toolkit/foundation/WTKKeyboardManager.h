// CWTKKeyboardManager: the key texts that menus and tooltips show for commands and the test
// whether a key is bound in a frame's table (static services every bar uses, with or without a
// manager object), and the optional manager object that keeps the user's accelerator tables in
// the registry, installs new tables and restores the resource tables.
//
// Registry: BuildRegistryPath("WTKKeyboardManager", profile) + "WTKKeyboard-<id>\", value
// "Accelerators": the table's entries back to back, 6 bytes each (flags, 0, key, command; the
// two words little-endian). <id> is a multi-document template's resource id, or 0 for the
// frame's own table.
//
// Tables the manager creates belong to the frame or template they are installed in; a table
// is destroyed only when no frame or template holds it any more.
#pragma once
#include "foundation/WTKKeyboardManagerBase.h"

#include "core/String.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CMultiDocTemplate;

class CWTKKeyboardManager : public CWTKKeyboardManagerBase {
public:
    static constexpr int kAccelBytes = 6;
    // The most entries one stored table may give (what a table can hold).
    static constexpr int kMaxAccelCount = 32767;

    // Becomes the process-wide keyboard manager.
    CWTKKeyboardManager();
    ~CWTKKeyboardManager() override;
    CWTKKeyboardManager(const CWTKKeyboardManager&) = delete;
    CWTKKeyboardManager& operator=(const CWTKKeyboardManager&) = delete;

    // ---- Static services ----
    // The key text of the first entry bound to uiCmd in the frame's default table (empty and
    // FALSE when there is none). bIsDefaultFrame picks the cache the copy is kept in.
    static BOOL FindDefaultAccelerator(UINT uiCmd, CString& str, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame);
    // TRUE when the key is bound with exactly these flags (FNOINVERT aside) in the frame's
    // default table.
    static BOOL IsKeyHandled(WORD nKey, BYTE fVirt, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame);
    // Forgets both cached copies: called whenever the toolkit installs or destroys a table, so a
    // new table that gets an old handle's value is copied again.
    static void InvalidateCaches();
    // Frees both cached copies (the toolkit's clean-up).
    static void CleanUp();

    // ---- Manager operations ----
    // Creates a table from the entries and installs it in the template (and the frames that
    // show its documents with its old table), else in the frame, else in the main frame.
    // FALSE when it cannot be created or there is nowhere to install it.
    BOOL UpdateAcceleratorTable(CMultiDocTemplate* pTemplate, const ACCEL* lpAccel, int nSize,
                                CFrameWnd* pDefaultFrame = nullptr);
    BOOL LoadState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame) override;
    BOOL SaveState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame) override;
    // Every template and the main frame get their resource tables again.
    void ResetAll();

    // The entries of a table (empty for none).
    static std::vector<ACCEL> CopyTable(HACCEL hAccel);
    // The stored form of a table and back; Parse answers FALSE for a damaged value.
    static std::vector<BYTE> Pack(const std::vector<ACCEL>& entries);
    static BOOL Parse(const BYTE* pData, UINT nBytes, std::vector<ACCEL>& entries);

protected:
    // Installs hAccel (owned by the target from now on); FALSE when there is no target.
    BOOL InstallTable(CMultiDocTemplate* pTemplate, HACCEL hAccel, CFrameWnd* pDefaultFrame);
    static CFrameWnd* TargetFrame(CFrameWnd* pDefaultFrame);
    static CString TableKey(const CString& strPath, UINT uiId);
    BOOL SaveTable(const CString& strPath, UINT uiId, HACCEL hAccel);
    BOOL LoadTable(const CString& strPath, UINT uiId, CMultiDocTemplate* pTemplate, CFrameWnd* pFrame);
    // TRUE when a frame of this thread or a template still holds the table.
    static BOOL IsTableInUse(HACCEL hAccel);
    static std::vector<CMultiDocTemplate*> MultiDocTemplates();
};
