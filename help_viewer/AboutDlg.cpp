#include "AboutDlg.h"

#include "ContentModule.h"
#include "Resource.h"
#include "ViewerConstants.h"
#include "core/ResourceHandle.h"
#include "win/PaintDC.h"

#include <mmsystem.h>

#include <algorithm>

namespace {

CAboutDlg::SoundFunction g_pfnSound = nullptr;

BOOL WINAPI PlaySystemSound(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    return ::PlaySoundA(pszSound, hModule, fdwSound);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_ABOUT_LINK, OnLinkClicked)
END_MESSAGE_MAP()

CAboutDlg::SoundFunction CAboutDlg::SetSoundFunction(SoundFunction pfn)
{
    SoundFunction previous = g_pfnSound ? g_pfnSound : &PlaySystemSound;
    g_pfnSound = pfn;
    return previous;
}

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ABOUTBOX, pParentWnd) {}

CString CAboutDlg::NoticeText(int nCurrentYear)
{
    CString text;
    text.Format(Lumidoc::kNoticeFormat, std::max(nCurrentYear, Lumidoc::kFirstNoticeYear));
    return text;
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_warning.SubclassDlgItem(IDC_ABOUT_WARNING, this);
    m_link.SubclassDlgItem(IDC_ABOUT_LINK, this);

    SoundFunction pfnSound = g_pfnSound ? g_pfnSound : &PlaySystemSound;
    pfnSound(MAKEINTRESOURCEA(IDR_ABOUT_SOUND), FwGetResourceHandle(), SND_RESOURCE | SND_ASYNC);

    PlaceWindows();

    CString warning, second;
    warning.LoadString(IDS_LEGAL_WARNING_1);
    second.LoadString(IDS_LEGAL_WARNING_2);
    warning += second;
    m_warning.SetWindowText(warning);

    SYSTEMTIME now {};
    ::GetLocalTime(&now);
    SetDlgItemText(IDC_ABOUT_NOTICE, NoticeText(now.wYear));

    const CContentModule& module = CContentModule::Current();
    CString title;
    if (module.GetDocName(title))
        SetDlgItemText(IDC_ABOUT_DOC_TITLE, title);
    // Without a module the location stays empty (the program's own path is no documentation).
    SetDlgItemText(IDC_ABOUT_LOCATION, module.GetModulePath());
    return TRUE;
}

void CAboutDlg::PlaceWindows()
{
    const RECT& dialog = Lumidoc::kAboutDialogRect;
    ::SetWindowPos(m_hWnd, nullptr, dialog.left, dialog.top, dialog.right - dialog.left, dialog.bottom - dialog.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Lumidoc::ControlPlace& place : Lumidoc::kAboutPlaces) {
        if (HWND hControl = ::GetDlgItem(m_hWnd, place.id))
            ::MoveWindow(hControl, place.x, place.y, place.cx, place.cy, TRUE);
    }
}

void CAboutDlg::OnPaint()
{
    CPaintDC dc(this);
    RECT edit {};
    if (!m_warning.m_hWnd)
        return;
    m_warning.GetWindowRect(&edit);
    ScreenToClient(&edit);
    const int left = edit.left - Lumidoc::kEtchMargin;
    const int width = edit.right - edit.left + 2 * Lumidoc::kEtchMargin;
    dc.Draw3dRect(left, edit.top - Lumidoc::kEtchGap, width, Lumidoc::kEtchHeight, Lumidoc::kEtchDark,
                  Lumidoc::kEtchLight);
    dc.Draw3dRect(left, edit.bottom + Lumidoc::kEtchGap, width, Lumidoc::kEtchHeight, Lumidoc::kEtchDark,
                  Lumidoc::kEtchLight);
}

void CAboutDlg::OnLinkClicked()
{
    CHyperLinkButton::OpenURL(Lumidoc::kWebAddress);
}
