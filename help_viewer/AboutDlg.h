// CAboutDlg: the program's notices, the current documentation's title and file location, a
// link to the vendor's web site; it plays the program's wave resource as it opens.
#pragma once
#include "HyperLinkButton.h"
#include "win/Dialog.h"
#include "win/Edit.h"

class CAboutDlg : public CDialog {
public:
    // Plays a sound (PlaySound's contract); replaceable so that tests hear nothing.
    using SoundFunction = BOOL(WINAPI*)(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound);
    // Null restores the system's; returns the previous one.
    static SoundFunction SetSoundFunction(SoundFunction pfn);

    explicit CAboutDlg(CWnd* pParentWnd = nullptr);

    // "Copyright (c) <year> Tolvek", the year never before the product's first.
    static CString NoticeText(int nCurrentYear);

    BOOL OnInitDialog() override;

protected:
    void OnPaint();
    void OnLinkClicked();
    DECLARE_MESSAGE_MAP()

private:
    void PlaceWindows();

    CEdit m_warning;
    CHyperLinkButton m_link;
};
