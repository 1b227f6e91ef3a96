// CContentModule: the help content module the viewer shows, loaded by file name, and the
// calls into its exports. Text comes back through buffers far larger than the modules are
// promised and is cut to 255 characters; topic indexes are checked against the module's own
// count before they reach it; a missing export is reported, never called.
#pragma once
#include "core/String.h"

#include <windows.h>

class CTreeCtrl;

class CContentModule {
public:
    // The export signatures, all with the standard calling convention.
    using GetContentCountFn = int*(WINAPI*)(int* pCount);
    using GetTextFn = int(WINAPI*)(int nIndex, LPSTR lpszBuffer);
    using GetDocNameFn = void(WINAPI*)(LPSTR lpszBuffer);
    using LoadContentsFn = BOOL(WINAPI*)(CTreeCtrl* pTree);

    // Told just before the loaded module is freed, while what it made still exists.
    class UnloadObserver {
    public:
        virtual ~UnloadObserver() = default;
        virtual void OnModuleUnloading() = 0;
    };

    CContentModule() = default;
    ~CContentModule();
    CContentModule(const CContentModule&) = delete;
    CContentModule& operator=(const CContentModule&) = delete;

    // The process's one content module.
    static CContentModule& Current();

    // ---- Loading ----
    // Loads the module by file name (the platform's module search, the program's folder
    // first). Only once the new module has loaded is the one held freed and replaced, and
    // the start topic set; on failure nothing changes and FALSE is returned.
    BOOL Load(LPCSTR lpszFileName, int nStartTopic = 0);
    void Free();
    BOOL IsLoaded() const { return m_hModule != nullptr; }
    HMODULE GetHandle() const { return m_hModule; }
    // The topic shown first: the command line's, 0 after another module was loaded.
    int GetStartTopic() const { return m_nStartTopic; }
    void SetStartTopic(int nTopic) { m_nStartTopic = nTopic; }
    // The load failure message: "Could not find dll: " and the name, caption "Error".
    static void ReportLoadFailure(LPCSTR lpszFileName, HWND hWndOwner = nullptr);

    // ---- Exports; each returns FALSE when the module lacks it (or none is loaded) ----
    BOOL GetDocName(CString& strTitle) const;
    // The topic count, bounded to 0 .. a sane most.
    BOOL GetContentCount(int& nCount) const;
    // Also FALSE for a topic outside 0 .. count - 1 (below 0 without a count export).
    BOOL GetTopic(int nTopic, CString& strTitle) const;
    BOOL GetKeyword(int nTopic, CString& strKeywords) const;
    // The page address of a topic, through the GetURL bound when the module was loaded.
    BOOL GetPageAddress(int nTopic, CString& strAddress) const;
    BOOL HasPageAddresses() const { return m_pfnGetURL != nullptr; }
    // The module empties the tree and fills it.
    BOOL LoadContents(CTreeCtrl* pTree) const;
    // The module's full path (at most 255 characters); empty when none is loaded.
    CString GetModulePath() const;

    // The one observer (null: none): the content bar while its window exists.
    void SetUnloadObserver(UnloadObserver* pObserver) { m_pUnloadObserver = pObserver; }
    UnloadObserver* GetUnloadObserver() const { return m_pUnloadObserver; }

    // The title of any module, as the Load Documentation scan reads it.
    static BOOL ReadDocName(HMODULE hModule, CString& strTitle);

private:
    BOOL IsTopic(int nTopic) const;
    void ReleaseModule(HMODULE hModule);

    HMODULE m_hModule = nullptr;
    GetTextFn m_pfnGetURL = nullptr;
    int m_nStartTopic = 0;
    UnloadObserver* m_pUnloadObserver = nullptr;
};
