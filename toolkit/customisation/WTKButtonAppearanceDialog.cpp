#include "customisation/WTKButtonAppearanceDialog.h"

#include "customisation/ButtonImageEditDialog.h"
#include "customisation/WTKToolbarCustomize.h"
#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"
#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKUserToolsManagerBase.h"

#include "gdi/DC.h"
#include "win/WinApp.h"

namespace {
// Edited images are drawn on this grey, which the strip takes as transparent while drawing.
constexpr COLORREF kEditBackground = RGB(0xC0, 0xC0, 0xC0);
constexpr char kAccelSeparator = '\t';
constexpr char kPromptSeparator = '\n';

// The strip's transparent colour replaced for as long as the object lives.
class CTransparentColorScope {
public:
    CTransparentColorScope(CWTKImageStrip& images, COLORREF clr)
        : m_images(images), m_clrSaved(images.GetTransparentColor())
    {
        m_images.SetTransparentColor(clr);
    }
    ~CTransparentColorScope() { m_images.SetTransparentColor(m_clrSaved); }
    CTransparentColorScope(const CTransparentColorScope&) = delete;
    CTransparentColorScope& operator=(const CTransparentColorScope&) = delete;

private:
    CWTKImageStrip& m_images;
    COLORREF m_clrSaved;
};
}  // namespace

BEGIN_MESSAGE_MAP(CWTKButtonAppearanceDialog, CDialog)
    ON_BN_CLICKED(IDC_WTK_IMAGE_ONLY, OnImageOnly)
    ON_BN_CLICKED(IDC_WTK_TEXT_ONLY, OnTextOnly)
    ON_BN_CLICKED(IDC_WTK_IMAGE_AND_TEXT, OnImageAndText)
    ON_BN_CLICKED(IDC_WTK_DEFAULT_IMAGE, OnDefaultImage)
    ON_BN_CLICKED(IDC_WTK_USER_IMAGE, OnUserImage)
    ON_BN_CLICKED(IDC_WTK_USER_IMAGES, OnImageListSelChange)
    ON_BN_CLICKED(IDC_WTK_NEW_IMAGE, OnNewImage)
    ON_BN_CLICKED(IDC_WTK_EDIT_IMAGE, OnEditImage)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CWTKButtonAppearanceDialog::CWTKButtonAppearanceDialog(CWTKToolbarButton* pButton, CWTKImageStrip* pImages,
                                                       CWnd* pParent, int iStartImage, BOOL bMenuItem)
    : CDialog(IDD, pParent),
      m_pButton(pButton),
      m_pImages(pImages),
      m_iStartImage(iStartImage < 0 ? 0 : iStartImage),
      m_bMenuItem(bMenuItem),
      m_iImage(pButton->GetImage())
{
    m_bImage = pButton->m_bImage;
    m_bText = pButton->m_bText;
    m_bUserImage = pButton->m_bUserButton;
    const int iTab = pButton->m_strText.Find(kAccelSeparator);
    if (iTab >= 0) {
        m_strButtonText = pButton->m_strText.Left(iTab);
        m_strAccel = pButton->m_strText.Mid(iTab + 1);
    } else {
        m_strButtonText = pButton->m_strText;
    }
}

CWTKButtonAppearanceDialog::~CWTKButtonAppearanceDialog()
{
    DeleteListButtons();
}

void CWTKButtonAppearanceDialog::DeleteListButtons()
{
    // The list forgets the buttons before they go, so it never reaches a deleted one.
    m_wndButtonList.RemoveButtons();
    m_Buttons.clear();
}

BOOL CWTKButtonAppearanceDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndButtonList.SubclassDlgItem(IDC_WTK_USER_IMAGES, this);

    if (m_pImages == nullptr) {
        EnableControl(IDC_WTK_USER_IMAGES, FALSE);
        EnableControl(IDC_WTK_USER_IMAGE, FALSE);
        if (m_iImage < 0) {
            EnableControl(IDC_WTK_IMAGE_ONLY, FALSE);
            EnableControl(IDC_WTK_IMAGE_AND_TEXT, FALSE);
        }
    }
    if (!m_pButton->m_bUserButton || (m_pImages != nullptr && m_pImages->IsReadOnly()))
        CheckRadioButton(IDC_WTK_USER_IMAGE, IDC_WTK_DEFAULT_IMAGE, IDC_WTK_DEFAULT_IMAGE);
    else
        CheckRadioButton(IDC_WTK_USER_IMAGE, IDC_WTK_DEFAULT_IMAGE, IDC_WTK_USER_IMAGE);

    UINT nShow = IDC_WTK_TEXT_ONLY;
    if (m_bImage && m_bText)
        nShow = IDC_WTK_IMAGE_AND_TEXT;
    else if (m_bImage)
        nShow = IDC_WTK_IMAGE_ONLY;
    else
        m_bText = TRUE;
    CheckRadioButton(IDC_WTK_IMAGE_ONLY, IDC_WTK_IMAGE_AND_TEXT, nShow);

    SetDlgItemText(IDC_WTK_BUTTON_TEXT, m_strButtonText);
    CString strPrompt;
    if (m_pButton->m_nID != 0 && strPrompt.LoadString(m_pButton->m_nID)) {
        const int iNewLine = strPrompt.Find(kPromptSeparator);
        SetDlgItemText(IDC_WTK_DESCRIPTION, iNewLine >= 0 ? strPrompt.Left(iNewLine) : strPrompt);
    }

    if (m_bMenuItem) {
        EnableControl(IDC_WTK_IMAGE_ONLY, FALSE);
        if (m_iImage < 0) {
            EnableControl(IDC_WTK_TEXT_ONLY, FALSE);
            EnableControl(IDC_WTK_IMAGE_AND_TEXT, FALSE);
        }
    }

    RebuildImageList();
    if (m_bUserImage)
        m_wndButtonList.SelectButton(m_iImage);
    EnableControls();
    return TRUE;
}

void CWTKButtonAppearanceDialog::RebuildImageList()
{
    DeleteListButtons();
    m_wndButtonList.SetImages(m_pImages);
    if (m_pImages == nullptr)
        return;
    for (int i = m_iStartImage; i < m_pImages->GetCount(); i++) {
        m_Buttons.push_back(std::make_unique<CWTKToolbarButton>(0, i, nullptr, TRUE));
        m_wndButtonList.AddButton(m_Buttons.back().get());
    }
    m_wndButtonList.Invalidate();
}

void CWTKButtonAppearanceDialog::EnableControl(UINT nID, BOOL bEnable)
{
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->EnableWindow(bEnable);
}

void CWTKButtonAppearanceDialog::EnableControls()
{
    const BOOL bImageChoice = m_bImage && m_pImages != nullptr && !m_bMenuItem;
    const BOOL bList = bImageChoice && m_bUserImage;
    const BOOL bNew = bList && !m_pImages->IsReadOnly();
    EnableControl(IDC_WTK_BUTTON_TEXT, m_bText);
    EnableControl(IDC_WTK_USER_IMAGES, bList);
    EnableControl(IDC_WTK_NEW_IMAGE, bNew);
    EnableControl(IDC_WTK_EDIT_IMAGE, bNew && m_wndButtonList.GetSelectedButton() != nullptr);
    EnableControl(IDC_WTK_DEFAULT_IMAGE, bImageChoice);
    EnableControl(IDC_WTK_USER_IMAGE, bImageChoice);
}

void CWTKButtonAppearanceDialog::SetShows(BOOL bImage, BOOL bText)
{
    m_bImage = bImage;
    m_bText = bText;
    EnableControls();
}

int CWTKButtonAppearanceDialog::GetDefaultImage() const
{
    // A user-image button's default is its command's standard image, if it has one.
    return m_pButton->m_bUserButton ? WTKGetCmdImage(m_pButton->m_nID, FALSE) : m_pButton->GetImage();
}

void CWTKButtonAppearanceDialog::OnDefaultImage()
{
    m_iImage = GetDefaultImage();
    m_bUserImage = FALSE;
    EnableControls();
}

void CWTKButtonAppearanceDialog::OnUserImage()
{
    m_iImage = -1;
    m_bUserImage = TRUE;
    m_wndButtonList.SelectButton(-1);
    EnableControls();
}

void CWTKButtonAppearanceDialog::OnImageListSelChange()
{
    CWTKToolbarButton* pSel = m_wndButtonList.GetSelectedButton();
    m_iImage = pSel != nullptr ? pSel->GetImage() : -1;
    EnableControls();
}

void CWTKButtonAppearanceDialog::OnOK()
{
    if (m_bImage && m_iImage < 0) {
        FwMessageBox(IDS_WTK_SELECT_IMAGE);
        m_wndButtonList.SetFocus();
        return;
    }
    CString strText;
    GetDlgItemText(IDC_WTK_BUTTON_TEXT, strText);
    if (m_bText && strText.IsEmpty()) {
        FwMessageBox(IDS_WTK_ENTER_TEXT);
        if (CWnd* pEdit = GetDlgItem(IDC_WTK_BUTTON_TEXT))
            pEdit->SetFocus();
        return;
    }

    m_pButton->m_bUserButton = m_bUserImage;
    if (m_iImage >= 0) {
        if (m_bMenuItem) {
            // Every button of the command shows the menu item's image.
            if (!m_bUserImage)
                WTKGetCmdMgr()->ClearCmdImage(m_pButton->m_nID);
            WTKGetCmdMgr()->SetCmdImage(m_pButton->m_nID, m_iImage, m_bUserImage);
        }
        m_pButton->SetImage(m_iImage);
    }
    m_pButton->m_bImage = m_bImage && m_pButton->GetImage() >= 0;
    m_pButton->m_bText = m_bText || !m_pButton->m_bImage;
    m_pButton->m_strText = strText;
    if (!m_strAccel.IsEmpty())
        m_pButton->m_strText += CString(kAccelSeparator) + m_strAccel;
    CDialog::OnOK();
}

BOOL CWTKButtonAppearanceDialog::CreateImageBitmap(CBitmap& bitmap, COLORREF clrFill) const
{
    const CSize size = m_pImages->GetImageSize();
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(nullptr))
        return FALSE;
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, size.cx, size.cy);
    ::ReleaseDC(nullptr, hdcScreen);
    if (hbm == nullptr)
        return FALSE;
    bitmap.Attach(hbm);
    HGDIOBJ hOld = dcMem.SelectObject(hbm);
    dcMem.FillSolidRect(0, 0, size.cx, size.cy, clrFill);
    dcMem.SelectObject(hOld);
    return TRUE;
}

void CWTKButtonAppearanceDialog::AddNewImage()
{
    if (m_pImages == nullptr || m_pImages->IsReadOnly())
        return;
    CBitmap bitmap;
    if (!CreateImageBitmap(bitmap, WTKGetGlobalData().clrBtnFace)) {
        FwMessageBox(IDS_WTK_CANT_CREATE_IMAGE);
        return;
    }
    if (!EditImage(bitmap))
        return;
    const int iImage = m_pImages->AddImage(static_cast<HBITMAP>(bitmap.GetSafeHandle()));
    if (iImage < 0) {
        FwMessageBox(IDS_WTK_CANT_CREATE_IMAGE);
        return;
    }
    RebuildImageList();
    m_wndButtonList.SelectButton(iImage);
}

void CWTKButtonAppearanceDialog::EditSelectedImage()
{
    CWTKToolbarButton* pSel = m_wndButtonList.GetSelectedButton();
    if (m_pImages == nullptr || pSel == nullptr)
        return;
    const int iImage = pSel->GetImage();
    CBitmap bitmap;
    if (!CreateImageBitmap(bitmap, kEditBackground)) {
        FwMessageBox(IDS_WTK_INTERNAL_ERROR);
        return;
    }
    {
        CDC dcMem;
        dcMem.CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = dcMem.SelectObject(bitmap.GetSafeHandle());
        CTransparentColorScope transparent(*m_pImages, kEditBackground);
        WTKDrawState ds;
        if (m_pImages->PrepareDraw(ds)) {
            m_pImages->Draw(&dcMem, 0, 0, iImage);
            m_pImages->EndDraw(ds);
        }
        dcMem.SelectObject(hOld);
    }
    if (!EditImage(bitmap))
        return;
    if (!m_pImages->UpdateImage(iImage, static_cast<HBITMAP>(bitmap.GetSafeHandle()))) {
        FwMessageBox(IDS_WTK_INTERNAL_ERROR);
        return;
    }
    m_wndButtonList.Invalidate();
}

BOOL CWTKButtonAppearanceDialog::EditImage(CBitmap& bitmap)
{
    try {
        const int nBitsPerPixel = CButtonImageEditDialog::GetScreenDepth();
        // An application's sheet may bring its own editor.
        CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::GetCustomizeSheet();
        if (pSheet != nullptr && pSheet->OnEditToolbarMenuImage(this, bitmap, nBitsPerPixel))
            return TRUE;
        CButtonImageEditDialog dlg(&bitmap, this, nBitsPerPixel);
        return dlg.DoModal() == IDOK;
    } catch (...) {
        FwMessageBox(IDS_WTK_INTERNAL_ERROR);
    }
    return FALSE;
}

void CWTKButtonAppearanceDialog::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (nIDCtl != IDC_WTK_DEFAULT_IMAGE_AREA) {
        CDialog::OnDrawItem(nIDCtl, lpDIS);
        return;
    }
    DrawDefaultImage(CDC::FromHandle(lpDIS->hDC), CRect(lpDIS->rcItem));
}

void CWTKButtonAppearanceDialog::DrawDefaultImage(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(rect, WTKGetGlobalData().clrBtnFace);
    // A user tool's button shows the tool's icon.
    if (WTKDrawUserToolIcon(m_pButton->m_nID, pDC->GetSafeHdc(), rect))
        return;
    const int iImage = WTKGetCmdImage(m_pButton->m_nID, FALSE);
    CWTKImageStrip* pImages = CWTKToolBar::GetImages();
    if (iImage < 0 || pImages == nullptr)
        return;
    const CSize sizeImage = pImages->GetImageSize();
    WTKDrawState ds;
    if (!pImages->PrepareDraw(ds))
        return;
    pImages->Draw(pDC, rect.left + (rect.Width() - sizeImage.cx) / 2, rect.top + (rect.Height() - sizeImage.cy) / 2,
                  iImage);
    pImages->EndDraw(ds);
}

BOOL WTKEditButtonAppearance(CWTKToolbarButton* pButton, CWTKImageStrip* pUserImages, CWnd* pParent,
                             int iFirstUserImage, BOOL bMenuItem)
{
    if (pButton == nullptr)
        return FALSE;
    CWTKButtonAppearanceDialog dlg(pButton, pUserImages, pParent, iFirstUserImage, bMenuItem);
    return dlg.DoModal() == IDOK;
}
