#include "command_bars/WTKToolbarButton.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuHost.h"
#include "command_bars/WTKToolBar.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKVisualManager.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "core/SharedFile.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"
#include "ole/OleDataObject.h"
#include "ole/OleDataSource.h"
#include "win/CmdUI.h"
#include "win/Wnd.h"

#include <algorithm>
#include <cstdio>
#include <memory>

IMPLEMENT_SERIAL(CWTKToolbarButton, CObject, kToolbarButtonSchema)

BOOL CWTKToolbarButton::m_bWrapText = TRUE;
BOOL CWTKToolbarButton::m_bRecordImages = TRUE;

namespace {

constexpr int kSeparatorDefaultWidth = 8;
constexpr int kTextMargin = 3;      // between image, text and the button's edges
constexpr int kTextExtraWidth = 9;  // added to a measured text beside the image
constexpr int kLabelExtraWidth = 6;
constexpr int kLabelButtonMargin = 12;
constexpr int kArchiveBufferSize = 4096;
constexpr UINT kDragFileGrowBytes = 4096;
// A button's drag data is a few dozen bytes; anything much larger is not ours.
constexpr SIZE_T kMaxDragDataBytes = 64 * 1024;
constexpr char kMnemonicMarker = '\x01';

// The part of the command's string resource after the first newline (the tooltip), or empty.
CString CommandTooltipText(UINT uiID)
{
    CString str;
    if (uiID == 0 || !str.LoadString(uiID))
        return CString();
    const int iNewLine = str.Find('\n');
    return iNewLine < 0 ? CString() : str.Mid(iNewLine + 1);
}

// Frees a global block unless it was handed on.
struct GlobalBlock {
    HGLOBAL h = nullptr;
    ~GlobalBlock()
    {
        if (h)
            ::GlobalFree(h);
    }
};

}  // namespace

CWTKToolbarButton::CWTKToolbarButton() = default;

CWTKToolbarButton::CWTKToolbarButton(UINT uiID, int iImage, LPCSTR lpszText, BOOL bUserButton, BOOL bLocked)
{
    m_bLocked = bLocked;
    m_bUserButton = bUserButton;
    m_nID = uiID;
    SetImage(iImage);
    m_strText = lpszText ? lpszText : "";

    if (m_nID != 0 && !m_bLocked) {
        int& iField = m_bUserButton ? m_iUserImage : m_iImage;
        if (iField == -1)
            iField = WTKGetCmdMgr()->GetCmdImage(m_nID, m_bUserButton);
        else
            WTKGetCmdMgr()->SetCmdImage(m_nID, iField, m_bUserButton);
    }
}

CWTKToolbarButton::~CWTKToolbarButton() = default;

void CWTKToolbarButton::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsLoading()) {
        int iImage = -1;
        ar >> m_nID >> m_nStyle >> iImage >> m_strText >> m_bUserButton >> m_bDragFromCollection >> m_bText >> m_bImage;
        // The flags decide which image field the index belongs to.
        SetImage(iImage);
    } else {
        ar << m_nID << m_nStyle << GetImage() << m_strText << m_bUserButton << m_bDragFromCollection << m_bText
           << m_bImage;
    }
}

BOOL CWTKToolbarButton::CanBeDropped(CWTKToolBar*)
{
    return TRUE;
}

void CWTKToolbarButton::CopyFrom(const CWTKToolbarButton& src)
{
    m_nID = src.m_nID;
    m_bLocked = src.m_bLocked;
    m_bUserButton = src.m_bUserButton;
    m_nStyle = src.m_nStyle;
    SetImage(src.GetImage());
    m_strText = src.m_strText;
    m_bText = src.m_bText;
    m_bImage = src.m_bImage;
    m_bWrap = src.m_bWrap;
    m_strTextCustom = src.m_strTextCustom;
    m_bDragFromCollection = FALSE;
}

CString CWTKToolbarButton::RemoveMnemonicMarks(const CString& str)
{
    CString strResult;
    const int nLength = str.GetLength();
    for (int i = 0; i < nLength; i++) {
        const char ch = str[i];
        if (ch != '&') {
            strResult += ch;
        } else if (i + 1 < nLength && str[i + 1] == '&') {
            strResult += '&';
            i++;
        }
    }
    return strResult;
}

void CWTKToolbarButton::DrawFrame(CDC* pDC, const CRect& rect, BOOL bHighlight)
{
    if (m_bDisableFill)
        return;
    const int state = bHighlight          ? kButtonStateHighlighted
        : (m_nStyle & kButtonStylePushed) ? kButtonStatePushed
                                          : kButtonStateNormal;
    CWTKVisualManager::GetInstance()->OnFillButtonInterior(pDC, this, rect, state);
}

void CWTKToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz, BOOL bCustomizeMode,
                               BOOL bHighlight, BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    WTKGlobalData& data = WTKGetGlobalData();

    m_bHorz = bHorz;
    DrawFrame(pDC, rect, bHighlight);

    // A user tool's command shows the tool's icon in place of a strip image.
    const HICON hToolIcon = WTKGetUserToolIcon(m_nID);
    const CSize sizeImage = hToolIcon != nullptr
        ? CSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON))
        : pImages ? pImages->GetImageSize(TRUE)
                  : CSize(0, 0);

    CRect rectWork = rect;
    if (m_bExtraSize) {
        const CSize sizeExtra = pLook->GetButtonExtraBorder();
        rectWork.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    }

    const BOOL bLabel = m_bTextBelow && bHorz;
    const CString strText = RemoveMnemonicMarks(m_strText);
    int nTextExtent = 0;
    if (m_bText && !strText.IsEmpty() && !bLabel)
        nTextExtent = pDC->GetTextExtent(strText).cx + 6;

    CSize sizeArea;
    if (bHorz && !bLabel)
        sizeArea = CSize(rectWork.Width() - nTextExtent, rectWork.Height());
    else if (bHorz)
        sizeArea = CSize(rectWork.Width(), sizeImage.cy + 6);
    else
        sizeArea = CSize(rectWork.Width(), rectWork.Height() - nTextExtent);

    int xImage = (sizeArea.cx - sizeImage.cx) / 2;
    int yImage = (sizeArea.cy - sizeImage.cy) / 2;
    int xText = kTextMargin;
    int yText = kTextMargin;
    const BOOL bShowText = (m_bText && !strText.IsEmpty() && !bLabel);
    if (bShowText) {
        TEXTMETRICA tm = {};
        pDC->GetTextMetrics(&tm);
        if (bHorz)
            yText = (sizeArea.cy - tm.tmHeight - 1) / 2;
        else
            xText = (sizeArea.cx - tm.tmHeight + 1) / 2;
    }

    const BOOL bPushed = (m_nStyle & kButtonStylePushed) != 0;
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    const BOOL bShadow = bHighlight && !bCustomizeMode && pLook->m_bShadowHighlightedImage &&
        (m_nStyle & (kButtonStylePushed | TBBS_DISABLED)) == 0;

    if (bPushed && !bCustomizeMode && !pLook->m_bShadowHighlightedImage && pLook->IsOffsetPressedButton()) {
        xImage++;
        yImage++;
        yText++;
        xText += bHorz ? 1 : -1;
    }

    // The image.
    const int iImage = GetImage();
    const BOOL bHasImage = hToolIcon != nullptr || (pImages && m_bImage && iImage >= 0);
    const BOOL bDrawDisabled = bDisabled && !bPushed && !bCustomizeMode && bGrayDisabledButtons;
    if (hToolIcon != nullptr) {
        ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hToolIcon), 0,
                     rectWork.left + xImage, rectWork.top + yImage, sizeImage.cx, sizeImage.cy,
                     DST_ICON | (bDrawDisabled ? DSS_DISABLED : 0));
    } else if (bHasImage) {
        const int x = rectWork.left + xImage;
        const int y = rectWork.top + yImage;
        const BOOL bInactive = !bHighlight && pLook->m_bFadeInactiveImage;
        if (bShadow) {
            pImages->Draw(pDC, x, y, iImage, FALSE, FALSE, FALSE, TRUE);
            pImages->Draw(pDC, x - 1, y - 1, iImage, FALSE, bDrawDisabled, FALSE, FALSE, bInactive);
        } else {
            pImages->Draw(pDC, x, y, iImage, FALSE, bDrawDisabled, (m_nStyle & TBBS_INDETERMINATE) != 0, FALSE,
                          bInactive);
        }
    }

    // The text.
    if ((m_bText || bLabel) && !m_strText.IsEmpty()) {
        const int state = bHighlight ? kButtonStateHighlighted : bPushed ? kButtonStatePushed : kButtonStateNormal;
        const COLORREF clrOld = pDC->SetTextColor(pLook->GetToolbarButtonTextColor(this, state));
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        if (bLabel) {
            CRect rectText = rectWork;
            rectText.top += yImage + sizeImage.cy + kTextMargin;
            rectText.left = rectWork.left + (rectWork.Width() - m_nLabelWidth) / 2;
            rectText.right = rectText.left + m_nLabelWidth;
            if (m_bExtraSize)
                rectText.OffsetRect(0, pLook->GetButtonExtraBorder().cy / 2);
            pDC->DrawText(m_strText, &rectText, DT_CENTER | (m_bWrapText ? DT_WORDBREAK : 0));
        } else if (bHorz) {
            CRect rectText = rectWork;
            rectText.left += xImage + sizeImage.cx + kTextMargin + xText;
            if (!bHasImage)
                rectText.left = rectWork.left + xText;
            rectText.top += yText;
            pDC->DrawText(m_strText, &rectText, DT_SINGLELINE);
        } else {
            // Vertical text runs downwards from the right edge in the rotated font; the
            // mnemonic underline is drawn here since DrawText cannot rotate it.
            CRect rectText = rectWork;
            rectText.left = rectWork.right - xText;
            rectText.top += yImage + sizeImage.cy + kTextMargin + kTextMargin;
            if (!bHasImage)
                rectText.top = rectWork.top + kTextMargin;
            CFont* pOldFont = data.fontVert.GetSafeHandle() ? pDC->SelectObject(&data.fontVert) : nullptr;
            const CString strDrawn = RemoveMnemonicMarks(m_strText);
            pDC->DrawText(strDrawn, &rectText, DT_SINGLELINE | DT_NOCLIP);
            const int iMark = FindMnemonicIndex(m_strText);
            if (iMark >= 0) {
                const CString strBefore = RemoveMnemonicMarks(m_strText.Left(iMark));
                const CString strWith = strBefore + strDrawn.Mid(strBefore.GetLength(), 1);
                CRect rectBefore(0, 0, 0, 0), rectWith(0, 0, 0, 0);
                if (!strBefore.IsEmpty())
                    pDC->DrawText(strBefore, &rectBefore, DT_SINGLELINE | DT_CALCRECT);
                pDC->DrawText(strWith, &rectWith, DT_SINGLELINE | DT_CALCRECT);
                const int x = rectWork.left + kTextMargin;
                CPen pen(PS_SOLID, 1, pDC->GetTextColor());
                CPen* pOldPen = pDC->SelectObject(&pen);
                pDC->MoveTo(x, rectText.top + rectBefore.Width());
                pDC->LineTo(x, rectText.top + rectWith.Width());
                pDC->SelectObject(pOldPen);
            }
            if (pOldFont)
                pDC->SelectObject(pOldFont);
        }
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }

    // The border.
    if (!bCustomizeMode && HasLookBorder() && bDrawBorder) {
        if (bPushed)
            pLook->OnDrawButtonBorder(pDC, this, rect, kButtonStatePushed);
        else if (bHighlight && (m_nStyle & (TBBS_DISABLED | TBBS_INDETERMINATE)) == 0)
            pLook->OnDrawButtonBorder(pDC, this, rect, kButtonStateHighlighted);
    }
}

int CWTKToolbarButton::FindMnemonicIndex(const CString& str)
{
    const int nLength = str.GetLength();
    for (int i = 0; i < nLength; i++) {
        if (str[i] != '&')
            continue;
        if (i + 1 >= nLength)
            return -1;  // a trailing "&" marks nothing
        if (str[i + 1] == '&') {
            i++;
            continue;
        }
        return i;
    }
    return -1;
}

CSize CWTKToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    CSize size = sizeDefault;
    if (m_nStyle & TBBS_SEPARATOR) {
        if (bHorz)
            size.cx = m_iImage > 0 ? m_iImage : kSeparatorDefaultWidth;
        else
            size.cy = kSeparatorDefaultWidth;
        return size;
    }

    if (!m_bImage || GetImage() < 0) {
        CSize sizeExtra(0, 0);
        if (m_bExtraSize)
            sizeExtra = CWTKVisualManager::GetInstance()->GetButtonExtraBorder();
        if (bHorz)
            size.cx = sizeExtra.cx;
        else
            size.cy = sizeExtra.cy;
    }

    m_nLabelWidth = 0;
    m_nLabelHeight = 0;
    if (m_strText.IsEmpty())
        return size;

    if (m_bTextBelow && bHorz) {
        CRect rectText(0, 0, sizeDefault.cx * 3, sizeDefault.cy);
        pDC->DrawText(m_strText, &rectText, DT_CALCRECT | DT_CENTER | (m_bWrapText ? DT_WORDBREAK : 0));
        m_nLabelWidth = rectText.Width() + kLabelExtraWidth;
        m_nLabelHeight = rectText.Height();
        size.cx = std::max<int>(size.cx, m_nLabelWidth) + kLabelButtonMargin;
        size.cy += m_nLabelHeight + 2 * ::GetSystemMetrics(SM_CYBORDER);
    } else if (m_bText) {
        const CSize sizeText = pDC->GetTextExtent(RemoveMnemonicMarks(m_strText));
        if (bHorz)
            size.cx += sizeText.cx + kTextExtraWidth;
        else
            size.cy += sizeText.cx + kTextExtraWidth;
    }
    return size;
}

BOOL CWTKToolbarButton::OnClick(CWnd*, BOOL)
{
    return FALSE;
}

BOOL CWTKToolbarButton::OnClickUp()
{
    return FALSE;
}

void CWTKToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    const CWTKToolBar* pBar = dynamic_cast<const CWTKToolBar*>(pWndParent);
    m_pParentBar = pBar;
    m_bExtraSize = pBar && pBar->IsLookExtraSizeAvailable();
}

BOOL CWTKToolbarButton::ExportToMenuButton(CWTKToolbarButton& menuButton) const
{
    if (!m_strText.IsEmpty())
        return TRUE;
    if (m_nID != 0) {
        CString str;
        if (str.LoadString(m_nID)) {
            const int iNewLine = str.Find('\n');
            if (iNewLine >= 0)
                menuButton.m_strText = str.Mid(iNewLine + 1);
        }
    }
    return TRUE;
}

void CWTKToolbarButton::OnMove() {}

void CWTKToolbarButton::OnSize(int) {}

HWND CWTKToolbarButton::GetHwnd()
{
    return nullptr;
}

BOOL CWTKToolbarButton::CanBeStretched() const
{
    return FALSE;
}

BOOL CWTKToolbarButton::NotifyCommand(int)
{
    return FALSE;
}

void CWTKToolbarButton::TakeStateFrom(const CWTKToolbarButton&) {}

HBRUSH CWTKToolbarButton::OnCtlColor(CDC*, UINT)
{
    return nullptr;
}

void CWTKToolbarButton::OnDblClk(CWnd*) {}

BOOL CWTKToolbarButton::CanBeStored() const
{
    return TRUE;
}

BOOL CWTKToolbarButton::HasLookBorder() const
{
    return TRUE;
}

void CWTKToolbarButton::OnCancelMode() {}

void CWTKToolbarButton::OnGlobalFontsChanged() {}

BOOL CWTKToolbarButton::IsCustomizable() const
{
    const UINT id = m_nID;
    if ((id >= 0xE110 && id <= 0xE11F) || FwIsSystemCommand(id) || id >= 0xFF00 || (id >= 0xE210 && id <= 0xE21F) ||
        WTKIsUserToolsEntryCmd(id))
        return FALSE;
    return TRUE;
}

BOOL CWTKToolbarButton::IsPopupOnPress() const
{
    return FALSE;
}

BOOL CWTKToolbarButton::OnCustomizeMenu(CMenu*)
{
    return FALSE;
}

int CWTKToolbarButton::DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    // The image cell draws the image alone; the text is drawn here, beside it.
    const BOOL bTextSaved = m_bText;
    m_bText = FALSE;

    CWTKImageStrip* pImages = m_bUserButton ? CWTKToolBar::GetUserImages() : CWTKToolBar::GetImages();
    const CSize sizeImage = CWTKToolBar::GetDefaultImageSize();
    const CSize sizeCell(sizeImage.cx + 6, sizeImage.cy + 6);
    const CRect rectCell(rectImage.left, rectImage.top, rectImage.left + sizeCell.cx, rectImage.bottom);
    const BOOL bToolIcon = WTKGetUserToolIcon(m_nID) != nullptr;
    const BOOL bHasImage = bToolIcon || (pImages != nullptr && GetImage() >= 0);

    CRect rectFill = rectImage;
    if (bHighlight && bHasImage)
        rectFill.left = rectCell.right;  // the highlight leaves the image alone
    const COLORREF clrText = pLook->OnFillCheckedImageBackground(pDC, rectFill, bHighlight);

    if (bToolIcon) {
        OnDraw(pDC, rectCell, pImages, TRUE, TRUE, bHighlight, TRUE, TRUE);
    } else if (bHasImage) {
        WTKDrawState ds;
        if (pImages->PrepareDraw(ds, sizeImage)) {
            OnDraw(pDC, rectCell, pImages, TRUE, TRUE, bHighlight, TRUE, TRUE);
            pImages->EndDraw(ds);
        }
    }

    int nWidth = sizeCell.cx;
    if (!m_strText.IsEmpty()) {
        CRect rectText = rectImage;
        rectText.left += sizeCell.cx + 2 * pLook->GetMenuImageMargin() + 2;
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOld = pDC->SetTextColor(clrText);
        pDC->DrawText(m_strText, &rectText, DT_SINGLELINE | DT_VCENTER);
        pDC->SetTextColor(clrOld);
        pDC->SetBkMode(nOldMode);
        const int cxText = pDC->GetTextExtent(RemoveMnemonicMarks(m_strText)).cx;
        nWidth += std::min<int>(cxText, std::max<int>(0, rectImage.right - rectText.left));
    }

    m_bText = bTextSaved;
    return nWidth;
}

BOOL CWTKToolbarButton::IsDroppedDown() const
{
    return FALSE;
}

BOOL CWTKToolbarButton::CanBeDragged() const
{
    return TRUE;
}

INT_PTR CWTKToolbarButton::OnToolHitTest(const CWnd* pWnd, TTTOOLINFOA* pTI)
{
    CFrameWnd* pTopFrame = nullptr;
    if (pWnd != nullptr)
        pTopFrame = pWnd->GetTopLevelFrame();
    else if (CWTKPopupMenu* pActive = CWTKPopupMenu::GetActiveMenu())
        pTopFrame = pActive->GetTopLevelFrame();
    // Only the toolkit's frames supply tooltips of their own.
    auto* pHost = dynamic_cast<CWTKPopupMenuHost*>(pTopFrame);
    return pHost != nullptr ? pHost->OnMenuButtonToolHitTest(this, pTI) : 0;
}

void CWTKToolbarButton::CloseAllPopups() {}

void CWTKToolbarButton::OnShow(BOOL) {}

void CWTKToolbarButton::ResetImageToDefault()
{
    if (m_bUserButton || static_cast<int>(m_nID) <= 0 || WTKGetUserToolIcon(m_nID) != nullptr)
        return;
    const int iImage = WTKGetCmdMgr()->GetCmdImage(m_nID, FALSE);
    if (iImage >= 0) {
        SetImage(iImage);
        return;
    }
    if (m_bImage) {
        m_bImage = FALSE;
        m_bText = TRUE;
        if (m_strText.IsEmpty())
            m_strText = CommandTooltipText(m_nID);
    }
}

void CWTKToolbarButton::EnableWindow(BOOL bEnable)
{
    if (HWND hwnd = GetHwnd())
        ::EnableWindow(hwnd, bEnable);
}

BOOL CWTKToolbarButton::IsWindowVisible()
{
    HWND hwnd = GetHwnd();
    return hwnd && (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CWTKToolbarButton::IsOwnerOf(HWND hwnd)
{
    HWND hwndCtrl = GetHwnd();
    return hwndCtrl && hwnd && (hwnd == hwndCtrl || ::IsChild(hwndCtrl, hwnd));
}

BOOL CWTKToolbarButton::HasFocus() const
{
    HWND hwndCtrl = const_cast<CWTKToolbarButton*>(this)->GetHwnd();
    HWND hwndFocus = ::GetFocus();
    return hwndCtrl && hwndFocus && (hwndFocus == hwndCtrl || ::IsChild(hwndCtrl, hwndFocus));
}

void CWTKToolbarButton::SetImage(int iImage)
{
    if (m_nStyle & TBBS_SEPARATOR) {
        m_iImage = iImage;  // the separator's width
        return;
    }
    (m_bUserButton ? m_iUserImage : m_iImage) = iImage;

    if (!m_bLocked && m_nID != 0) {
        if (iImage == -1) {
            // The command's images from the command manager: the standard one first, else the
            // user one, else none (the button then shows its text).
            m_iImage = WTKGetCmdMgr()->GetCmdImage(m_nID, FALSE);
            m_iUserImage = WTKGetCmdMgr()->GetCmdImage(m_nID, TRUE);
            if (m_iImage >= 0)
                m_bUserButton = FALSE;
            else if (m_iUserImage >= 0)
                m_bUserButton = TRUE;
        } else if (m_bUserButton || m_bRecordImages) {
            WTKGetCmdMgr()->SetCmdImage(m_nID, iImage, m_bUserButton);
        }
    }

    if (GetImage() < 0) {
        m_bImage = FALSE;
        m_bText = TRUE;
    }
}

void CWTKToolbarButton::OnPopupClosed() {}

CLIPFORMAT CWTKToolbarButton::GetClipboardFormat()
{
    static const CLIPFORMAT cf = [] {
        char szName[64];
        std::snprintf(szName, sizeof(szName), "WTKToolbarButton%lx",
                      static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(::GetModuleHandleA(nullptr))));
        return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(szName));
    }();
    return cf;
}

BOOL CWTKToolbarButton::PrepareDrag(COleDataSource& srcItem)
{
    if (!CanBeStored())
        return TRUE;
    return FwFalseOnException("button drag", [&]() {
        CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE, kDragFileGrowBytes);
        {
            CArchive ar(&file, CArchive::store, kArchiveBufferSize);
            ar.WriteClass(GetRuntimeClass());
            Serialize(ar);
            ar.Close();
        }
        // The data source owns the block from the call on, and frees it when it fails.
        srcItem.CacheGlobalData(GetClipboardFormat(), file.Detach());
    });
}

std::unique_ptr<CWTKToolbarButton> CWTKToolbarButton::CreateFromOleData(COleDataObject* pDataObject)
{
    if (!pDataObject)
        return nullptr;
    GlobalBlock block;
    block.h = pDataObject->GetGlobalData(GetClipboardFormat());
    if (!block.h)
        return nullptr;
    const SIZE_T nSize = ::GlobalSize(block.h);
    if (nSize == 0 || nSize > kMaxDragDataBytes)
        return nullptr;

    std::unique_ptr<CWTKToolbarButton> pButton;
    const BOOL bRead = FwFalseOnException("button drop", [&]() -> BOOL {
        CSharedFile file;
        file.SetHandle(block.h, FALSE);
        CArchive ar(&file, CArchive::load, kArchiveBufferSize);
        UINT nSchema = 0;
        // Only a button class (or one derived from it) is accepted; others throw badClass.
        CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CWTKToolbarButton), &nSchema);
        if (!pClass || !pClass->IsDerivedFrom(RUNTIME_CLASS(CWTKToolbarButton)))
            return FALSE;
        CObject* pObject = pClass->CreateObject();
        if (!pObject)
            return FALSE;
        if (!pObject->IsKindOf(RUNTIME_CLASS(CWTKToolbarButton))) {
            delete pObject;
            return FALSE;
        }
        pButton.reset(static_cast<CWTKToolbarButton*>(pObject));
        ar.SetObjectSchema(nSchema);
        pButton->Serialize(ar);
        ar.Close();
        return TRUE;
    });
    if (!bRead)
        return nullptr;  // the half-made button goes with the unique_ptr
    return pButton;
}
