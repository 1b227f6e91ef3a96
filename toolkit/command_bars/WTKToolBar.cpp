#include "command_bars/WTKToolBar.h"

#include "command_bars/CustomizeButton.h"
#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKMenuAnimationOff.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBarFrameQueries.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKCleanUp.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKGlobalFontsHooks.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkspaceSteps.h"

#include "core/Exception.h"
#include "core/UIntArray.h"
#include "core/ResourceHandle.h"
#include "docview/FrameWnd.h"
#include "ole/OleInit.h"
#include "win/CmdUI.h"
#include "win/FrameworkRes.h"
#include "win/MessageMap.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <vector>

namespace {
// The last id an application's own command may have.
constexpr UINT kLastAppCommandId = 0xFEFF;
}  // namespace

IMPLEMENT_SERIAL(CWTKToolBar, CControlBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CWTKToolBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CANCELMODE()
    ON_WM_SIZE()
    ON_WM_CONTEXTMENU()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_MESSAGE(TB_BUTTONCOUNT, OnButtonCount)
    ON_MESSAGE(TB_GETITEMRECT, OnGetItemRect)
    ON_MESSAGE(TB_GETBUTTON, OnGetButton)
    ON_MESSAGE(TB_GETBUTTONTEXTA, OnGetButtonText)
    ON_WM_SETCURSOR()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_CTLCOLOR()
    ON_COMMAND(ID_WTK_BUTTON_RESET, OnButtonReset)
    ON_COMMAND(ID_WTK_BUTTON_COPY_IMAGE, OnButtonCopyImage)
    ON_COMMAND(ID_WTK_BUTTON_DELETE, OnButtonDelete)
    ON_COMMAND(ID_WTK_BUTTON_APPEARANCE, OnButtonAppearance)
    ON_COMMAND(ID_WTK_BUTTON_IMAGE, OnButtonImage)
    ON_COMMAND(ID_WTK_BUTTON_TEXT, OnButtonText)
    ON_COMMAND(ID_WTK_BUTTON_IMAGE_AND_TEXT, OnButtonImageAndText)
    ON_COMMAND(ID_WTK_BUTTON_START_GROUP, OnButtonStartGroup)
    ON_COMMAND(ID_WTK_BUTTON_NEW_MENU, OnButtonNewMenu)
END_MESSAGE_MAP()

WTKCommandBarSettings& WTKGetCommandBarSettings()
{
    static WTKCommandBarSettings settings;
    return settings;
}

CWTKImageStrip CWTKToolBar::s_Images;
CWTKImageStrip CWTKToolBar::s_ColdImages;
CWTKImageStrip CWTKToolBar::s_DisabledImages;
CWTKImageStrip CWTKToolBar::s_LargeImages;
CWTKImageStrip CWTKToolBar::s_LargeColdImages;
CWTKImageStrip CWTKToolBar::s_LargeDisabledImages;
CWTKImageStrip CWTKToolBar::s_MenuImages;
CWTKImageStrip CWTKToolBar::s_MenuDisabledImages;
CWTKImageStrip* CWTKToolBar::s_pUserImages = nullptr;
CSize CWTKToolBar::s_sizeButton(23, 22);
CSize CWTKToolBar::s_sizeImage(16, 15);
CSize CWTKToolBar::s_sizeCurButton(23, 22);
CSize CWTKToolBar::s_sizeCurImage(16, 15);
CSize CWTKToolBar::s_sizeMenuImage(-1, -1);
CSize CWTKToolBar::s_sizeMenuButton(-1, -1);
COLORREF CWTKToolBar::s_clrText = static_cast<COLORREF>(-1);
CWTKToolBar* CWTKToolBar::s_pSelToolbar = nullptr;
HHOOK CWTKToolBar::s_hookMouse = nullptr;
CWTKToolBar* CWTKToolBar::s_pLastHookedToolbar = nullptr;
HCURSOR CWTKToolBar::s_hcurDelete = nullptr;
HCURSOR CWTKToolBar::s_hcurMove = nullptr;

namespace {
// Bar style bits CreateEx adds: the toolkit's own-bar mark, and the menu bar id's extra bit.
constexpr DWORD kToolkitBarStyle = 0x400000;
constexpr DWORD kMenuBarIdStyle = 0x8;
constexpr DWORD kWindowStyleMask = 0x0040FFFF;
constexpr DWORD kWindowStyleAdd = 0x4E;  // CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER...
constexpr int kInvalidateInflate = 10;

// Basic commands and the default image map are process-wide.
CList<UINT, UINT>& BasicCommands()
{
    static CList<UINT, UINT> list;
    return list;
}

CMap<UINT, UINT, int, int>& DefaultImages()
{
    static CMap<UINT, UINT, int, int> map;
    return map;
}

// Where each bitmap appended to the shared normal strip starts.
CMap<UINT, UINT, int, int>& SharedImageOffsets()
{
    static CMap<UINT, UINT, int, int> map;
    return map;
}

void RedrawAllToolbars(UINT nFlags)
{
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        CWnd* pWnd = WTKAllToolbars().GetNext(pos)->GetBarWnd();
        if (pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()))
            pWnd->RedrawWindow(nullptr, nullptr, nFlags);
    }
}

// The toolbar's hooks into the foundation, registered before main.
struct ToolbarRegistration {
    ToolbarRegistration() { CWTKVisualManager::SetBarRedrawStep(WTKRedrawGroup::ToolBars, &RedrawAllToolbars); }
};
const ToolbarRegistration g_registration;

// New global fonts reach every toolbar whose window exists.
class CToolBarFontsHooks : public CWTKGlobalFontsHooks {
public:
    void OnGlobalFontsChanged() override
    {
        for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
            auto* pBar = dynamic_cast<CWTKToolBar*>(WTKAllToolbars().GetNext(pos));
            if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()))
                pBar->OnGlobalFontsChanged();
        }
    }
};
CFwHookRegistration<CWTKGlobalFontsHooks, CToolBarFontsHooks> g_toolBarFontsHooks;

// What the workspace asks of the toolbars.
class CToolBarWorkspaceSteps : public CWTKToolBarSteps {
public:
    BOOL LoadParameters(LPCTSTR lpszProfileName) override { return CWTKToolBar::LoadParameters(lpszProfileName); }
    BOOL SaveParameters(LPCTSTR lpszProfileName) override { return CWTKToolBar::SaveParameters(lpszProfileName); }
    void SetRecordImages(BOOL bRecord) override { CWTKToolbarButton::SetRecordImages(bRecord); }
    BOOL SaveUserImages() override
    {
        CWTKImageStrip* pUserImages = CWTKToolBar::GetUserImages();
        return pUserImages != nullptr ? pUserImages->Save() : FALSE;
    }
};
CFwHookRegistration<CWTKToolBarSteps, CToolBarWorkspaceSteps> g_toolBarWorkspaceSteps;
}  // namespace

CWTKToolBar::CWTKToolBar() : m_Impl(this, this, this)
{
    m_cyTopBorder = 1;
    m_cyBottomBorder = 1;
}

CWTKToolBar::~CWTKToolBar()
{
    m_OrigButtons.RemoveAll();
    m_Buttons.RemoveAll();
    m_pCustomizeBtn = nullptr;
    // A bar deleted with its window still there loses that window in the base destructor,
    // where WM_DESTROY no longer reaches OnDestroy: the list must not keep a dead bar.
    ForgetBar();
}

void CWTKToolBar::ForgetBar()
{
    if (s_pSelToolbar == this)
        s_pSelToolbar = nullptr;
    if (s_pLastHookedToolbar == this)
        s_pLastHookedToolbar = nullptr;
    CWTKToolBarList& all = WTKAllToolbars();
    if (POSITION pos = all.Find(this))
        all.RemoveAt(pos);
}

// ---- Creation ----

BOOL CWTKToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CWTKToolBar::CreateEx(pParentWnd, kFlatStyle, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CWTKToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    if (rcBorders.left < 1)
        rcBorders.left = 1;
    if (rcBorders.top < 1)
        rcBorders.top = 1;
    SetBorders(rcBorders);

    m_dwStyle = (dwStyle & 0xFFFF) | kToolkitBarStyle;
    if (nID == kDefaultBarId)
        m_dwStyle |= kMenuBarIdStyle;
    const DWORD dwWndStyle = (dwStyle & ~kWindowStyleMask) | kWindowStyleAdd | dwCtrlStyle;

    HINSTANCE hInst = FwGetInstanceHandle();
    const HCURSOR hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    const HBRUSH hBrush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    CString strClass;
    strClass.Format("WTKToolBar:%x:%x:%x:%x", static_cast<UINT>(reinterpret_cast<UINT_PTR>(hInst)), CS_DBLCLKS,
                    static_cast<UINT>(reinterpret_cast<UINT_PTR>(hCursor)),
                    static_cast<UINT>(reinterpret_cast<UINT_PTR>(hBrush)));
    WNDCLASSA wc {};
    if (!::GetClassInfoA(hInst, strClass, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hBrush;
        wc.lpszClassName = strClass;
        if (!::RegisterClassA(&wc))
            FwThrowResourceException();
    }
    if (!CWnd::CreateEx(0, strClass, "", dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    return ::IsWindow(GetSafeHwnd());
}

int CWTKToolBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CControlBar::OnCreate(lpcs) == -1)
        return -1;
    WTKGlobalData& data = WTKGetGlobalData();
    if (s_hcurDelete == nullptr) {
        HINSTANCE hRes = FwGetResourceHandle();
        s_hcurDelete = ::LoadCursorA(hRes, MAKEINTRESOURCEA(kWTKIdcStretch));
        s_hcurMove = ::LoadCursorA(hRes, MAKEINTRESOURCEA(kWTKIdcStretchVert));
    }
    if (FwOleIsInitialized())
        m_DropTarget.Register(this, this);
    m_penSeparator.CreatePen(PS_SOLID, 1, data.clrBarText);
    WTKAllToolbars().AddTail(this);
    return 0;
}

void CWTKToolBar::OnDestroy()
{
    m_penSeparator.DeleteObject();
    ForgetBar();
    CControlBar::OnDestroy();
}

// ---- Loading ----

BOOL CWTKToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked, UINT uiDisabledResID,
                             UINT uiMenuDisabledResID)
{
    WTKToolBarImages params;
    params.uiHotResID = uiResID;
    params.uiColdResID = uiColdResID;
    params.uiMenuResID = uiMenuResID;
    params.uiDisabledResID = uiDisabledResID;
    params.uiMenuDisabledResID = uiMenuDisabledResID;
    return LoadBitmapEx(params, bLocked);
}

BOOL CWTKToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked, UINT uiDisabledResID,
                              UINT uiMenuDisabledResID, UINT uiHotResID)
{
    WTKToolBarImages params;
    params.uiHotResID = uiHotResID;
    params.uiColdResID = uiColdResID;
    params.uiMenuResID = uiMenuResID;
    params.uiDisabledResID = uiDisabledResID;
    params.uiMenuDisabledResID = uiMenuDisabledResID;
    return LoadToolBarEx(uiResID, params, bLocked);
}

BOOL CWTKToolBar::LoadBitmapEx(const WTKToolBarImages& params, BOOL bLocked)
{
    m_bLocked = bLocked;
    HINSTANCE hRes = FwGetResourceHandle();
    struct Kind {
        UINT uiResID;
        CWTKImageStrip* pOwn;
        CWTKImageStrip* pShared;
    };
    const Kind kinds[] = {
        {params.uiHotResID, &m_ImagesLocked, &s_Images},
        {params.uiColdResID, &m_ColdImagesLocked, &s_ColdImages},
        {params.uiDisabledResID, &m_DisabledImagesLocked, &s_DisabledImages},
        {params.uiLargeColdResID, &m_LargeColdImagesLocked, &s_LargeColdImages},
        {params.uiLargeHotResID, &m_LargeImagesLocked, &s_LargeImages},
        {params.uiLargeDisabledResID, &m_LargeDisabledImagesLocked, &s_LargeDisabledImages},
        {params.uiMenuResID, &m_MenuImagesLocked, &s_MenuImages},
        {params.uiMenuDisabledResID, &m_MenuImagesLockedDisabled, &s_MenuDisabledImages},
    };
    if (params.uiHotResID == 0)
        return FALSE;
    for (const Kind& kind : kinds) {
        if (kind.uiResID == 0)
            continue;
        if (m_bLocked) {
            if (!kind.pOwn->Load(kind.uiResID, hRes, FALSE))
                return FALSE;
        } else {
            const int nBefore = kind.pShared->GetCount();
            if (!kind.pShared->Load(kind.uiResID, hRes, TRUE))
                return FALSE;
            if (kind.pShared == &s_Images) {
                // A bitmap the shared strip already holds keeps the offset it got then.
                if (kind.pShared->GetCount() > nBefore)
                    SharedImageOffsets().SetAt(kind.uiResID, nBefore);
                int iOffset = -1;
                m_iImagesOffset = SharedImageOffsets().Lookup(kind.uiResID, iOffset) ? iOffset : -1;
            }
        }
    }
    return TRUE;
}

BOOL CWTKToolBar::LoadToolBarEx(UINT uiToolbarResID, const WTKToolBarImages& paramsIn, BOOL bLocked)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(uiToolbarResID);
    LPCSTR lpszType = MAKEINTRESOURCEA(kToolBarResType);
    HINSTANCE hInst = FwFindResourceHandle(lpszName, lpszType);
    HRSRC hRsrc = hInst ? ::FindResourceA(hInst, lpszName, lpszType) : nullptr;
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const DWORD cbSize = ::SizeofResource(hInst, hRsrc);
    const auto* pData = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    constexpr DWORD kHeaderWords = 4;
    if (pData == nullptr || cbSize < kHeaderWords * sizeof(WORD))
        return FALSE;
    const WORD wWidth = pData[1];
    const WORD wHeight = pData[2];
    const WORD wCount = pData[3];
    // The count must fit in the resource: a damaged resource makes no buttons past its end.
    if ((kHeaderWords + wCount) * sizeof(WORD) > cbSize || wWidth == 0 || wHeight == 0)
        return FALSE;
    const WORD* pItems = pData + kHeaderWords;

    const CSize sizeImage(wWidth, wHeight);
    const CSize sizeButton(wWidth + 6, wHeight + 6);
    if (bLocked)
        SetLockedSizes(sizeButton, sizeImage);
    else
        SetSizes(sizeButton, sizeImage);

    WTKToolBarImages params = paramsIn;
    if (params.uiHotResID == 0)
        params.uiHotResID = uiToolbarResID;
    if (m_uiOriginalResID == 0 && !LoadBitmapEx(params, bLocked))
        return TRUE;
    m_bLocked = bLocked;

    CUIntArray ids;
    ids.SetSize(wCount);
    int iImage = m_iImagesOffset;
    for (int i = 0; i < wCount; i++) {
        ids[i] = pItems[i];
        if (pItems[i] != 0 && !m_bLocked) {
            SetDefaultImage(pItems[i], iImage);
            iImage++;
        }
    }
    m_uiOriginalResID = uiToolbarResID;
    if (!SetButtons(wCount ? ids.GetData() : nullptr, wCount, TRUE)) {
        m_uiOriginalResID = 0;
        return FALSE;
    }
    return TRUE;
}

std::unique_ptr<CWTKToolbarButton> CWTKToolBar::TakeCustomizeButton()
{
    std::unique_ptr<CWTKToolbarButton> pButton = m_Buttons.Remove(m_pCustomizeBtn);
    m_pCustomizeBtn = nullptr;
    return pButton;
}

void CWTKToolBar::PutBackCustomizeButton(std::unique_ptr<CWTKToolbarButton> pButton)
{
    if (pButton == nullptr)
        return;
    m_pCustomizeBtn = pButton.get();
    m_Buttons.AddTail(std::move(pButton));
}

BOOL CWTKToolBar::SetButtons(const UINT* lpIDArray, int nIDCount, BOOL bRemapImages)
{
    // The overflow button survives the rebuild: keep it out of the list while it is emptied.
    std::unique_ptr<CWTKToolbarButton> pCustomize = TakeCustomizeButton();
    RemoveAllButtons();
    m_OrigButtons.RemoveAll();

    if (lpIDArray == nullptr) {
        for (int i = 0; i < nIDCount; i++)
            InsertSeparator();
    } else {
        int iImage = m_iImagesOffset;
        for (int i = 0; i < nIDCount; i++) {
            const UINT uiID = lpIDArray[i];
            m_OrigButtons.AddTail(std::make_unique<CWTKToolbarButton>(uiID, -1, nullptr, FALSE, TRUE));
            if (uiID == 0) {
                InsertSeparator();
                continue;
            }
            if (bRemapImages) {
                InsertButtonObject(std::make_unique<CWTKToolbarButton>(uiID, iImage, nullptr, FALSE, m_bLocked), -1);
                if (!m_bLocked)
                    SetDefaultImage(uiID, iImage);
            } else {
                const int iDefault = GetDefaultImage(uiID);
                if (iDefault >= 0)
                    InsertButtonObject(std::make_unique<CWTKToolbarButton>(uiID, iDefault, nullptr, FALSE, m_bLocked),
                                       -1);
            }
            iImage++;
        }
    }
    PutBackCustomizeButton(std::move(pCustomize));
    if (::IsWindow(GetSafeHwnd())) {
        OnReset();
        CWnd* pTarget = m_pDockSite != nullptr ? static_cast<CWnd*>(m_pDockSite) : GetParent();
        if (pTarget != nullptr)
            pTarget->SendMessage(WTK_TOOLBAR_RESETTOOLBAR, m_uiOriginalResID, 0);
    }
    return TRUE;
}

void CWTKToolBar::ResetImages()
{
    for (CWTKToolbarButton* pButton : m_Buttons)
        pButton->ResetImageToDefault();
    if (::IsWindow(GetSafeHwnd()) && IsFloating())
        AdjustLayout();
}

BOOL CWTKToolBar::RestoreOriginalState()
{
    if (m_uiOriginalResID == 0)
        return FALSE;
    const UINT uiResID = m_uiOriginalResID;
    const BOOL bLoaded = LoadToolBar(uiResID, 0, 0, m_bLocked);
    if (::IsWindow(GetSafeHwnd())) {
        AdjustLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return bLoaded;
}

// ---- Button list ----

int CWTKToolBar::InsertButton(const CWTKToolbarButton& button, int iInsertAt)
{
    std::unique_ptr<CObject> pObject(button.GetRuntimeClass()->CreateObject());
    auto* pButton = dynamic_cast<CWTKToolbarButton*>(pObject.get());
    if (pButton == nullptr)
        return -1;
    pObject.release();
    pButton->CopyFrom(button);
    return InsertButtonObject(std::unique_ptr<CWTKToolbarButton>(pButton), iInsertAt);
}

int CWTKToolBar::InsertButtonObject(std::unique_ptr<CWTKToolbarButton> pButton, int iInsertAt)
{
    const int nCount = GetCount();
    if (pButton == nullptr || iInsertAt < -1 || iInsertAt > nCount)
        return -1;
    if (iInsertAt == -1 || iInsertAt == nCount) {
        // Appended buttons go before the overflow button, which stays last.
        const int iCustomize = m_pCustomizeBtn != nullptr
            ? (m_Buttons.GetTail() == m_pCustomizeBtn ? nCount - 1 : m_Buttons.Find(m_pCustomizeBtn))
            : -1;
        iInsertAt = iCustomize >= 0 ? iCustomize : nCount;
    }
    CWTKToolbarButton* pInserted = pButton.get();
    m_Buttons.InsertAt(iInsertAt, std::move(pButton));
    pInserted->OnChangeParentWnd(this);
    return iInsertAt;
}

int CWTKToolBar::InsertSeparator(int iInsertAt)
{
    // A bar never starts with a separator.
    if (GetCount() == 0 || iInsertAt == 0)
        return -1;
    auto pButton = std::make_unique<CWTKToolbarButton>();
    pButton->m_nStyle = TBBS_SEPARATOR;
    return InsertButtonObject(std::move(pButton), iInsertAt);
}

namespace {
// An index after a removal at iRemoved: -1 when it was the removed item, one less after it.
int IndexAfterRemoval(int iIndex, int iRemoved)
{
    if (iIndex == iRemoved)
        return -1;
    return iIndex > iRemoved ? iIndex - 1 : iIndex;
}
}  // namespace

BOOL CWTKToolBar::RemoveButton(int iIndex)
{
    const CWTKToolbarButton* pButton = GetButton(iIndex);
    if (pButton == nullptr || pButton == m_pCustomizeBtn)
        return FALSE;

    // Every removal, the button's and the separators' that go with it, fixes every index.
    auto removeAt = [this](int iRemove) {
        if (std::unique_ptr<CWTKToolbarButton> pRemoved = m_Buttons.RemoveAt(iRemove))
            pRemoved->OnCancelMode();
        m_iButtonCapture = IndexAfterRemoval(m_iButtonCapture, iRemove);
        m_iSelected = IndexAfterRemoval(m_iSelected, iRemove);
        m_iDroppedDown = IndexAfterRemoval(m_iDroppedDown, iRemove);
        const int iHot = IndexAfterRemoval(m_iHighlighted, iRemove);
        if (iHot != m_iHighlighted) {
            m_iHighlighted = iHot;
            OnChangeHot(iHot);
        }
    };
    removeAt(iIndex);

    auto isSeparator = [this](int i) {
        const CWTKToolbarButton* p = GetButton(i);
        return p != nullptr && p != m_pCustomizeBtn && p->IsSeparator();
    };
    // Trailing separators (before the overflow button) go.
    int iLast = GetCount() - 1;
    if (m_pCustomizeBtn != nullptr)
        iLast--;
    while (iLast >= 0 && isSeparator(iLast)) {
        removeAt(iLast);
        iLast--;
    }
    // Two separators brought together: the second goes.
    if (iIndex > 0 && isSeparator(iIndex - 1) && isSeparator(iIndex))
        removeAt(iIndex);
    // A separator left at the start goes as well.
    if (iIndex == 0 && isSeparator(0))
        removeAt(0);

    RebuildMnemonics();
    return TRUE;
}

void CWTKToolBar::EnableCustomizeButton(BOOL bEnable, UINT uiCustomizeCmd, LPCSTR lpszCustomizeText)
{
    if (m_pCustomizeBtn != nullptr) {
        std::unique_ptr<CWTKToolbarButton> pOld = TakeCustomizeButton();
        m_iButtonCapture = -1;
        m_iHighlighted = -1;
        m_iDroppedDown = -1;
        if (pOld != nullptr)
            pOld->OnCancelMode();
    }
    if (bEnable) {
        auto pButton =
            std::make_unique<CCustomizeButton>(uiCustomizeCmd, lpszCustomizeText != nullptr ? lpszCustomizeText : "");
        m_pCustomizeBtn = pButton.get();
        m_Buttons.AddTail(std::move(pButton));
        m_pCustomizeBtn->OnChangeParentWnd(this);
    }
    if (::IsWindow(GetSafeHwnd()))
        AdjustLayout();
}

void CWTKToolBar::RemoveAllButtons()
{
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    m_iDroppedDown = -1;
    while (!m_Buttons.IsEmpty()) {
        if (std::unique_ptr<CWTKToolbarButton> pButton = m_Buttons.RemoveAt(0))
            pButton->OnCancelMode();
    }
    m_pCustomizeBtn = nullptr;
    m_AccelKeys.RemoveAll();
}

int CWTKToolBar::ReplaceButton(UINT uiCmd, const CWTKToolbarButton& button, BOOL bAll)
{
    int nCount = 0;
    int iIndex = 0;
    while ((iIndex = CommandToIndex(uiCmd, iIndex)) >= 0) {
        std::unique_ptr<CWTKToolbarButton> pOld = m_Buttons.RemoveAt(iIndex);
        if (InsertButton(button, iIndex) < 0) {
            if (pOld != nullptr)
                m_Buttons.InsertAt(iIndex, std::move(pOld));
            break;
        }
        if (pOld != nullptr)
            pOld->OnCancelMode();
        nCount++;
        iIndex++;
        if (!bAll)
            break;
    }
    return nCount;
}

CWTKToolbarButton* CWTKToolBar::GetButton(int iIndex) const
{
    return m_Buttons.GetAt(iIndex);
}

int CWTKToolBar::CommandToIndex(UINT nIDFind, int iIndexFirst) const
{
    for (int i = std::max(iIndexFirst, 0); i < GetCount(); i++) {
        if (m_Buttons.GetAt(i)->m_nID == nIDFind)
            return i;
    }
    return -1;
}

int CWTKToolBar::ButtonToIndex(const CWTKToolbarButton* pButton) const
{
    return m_Buttons.Find(pButton);
}

UINT CWTKToolBar::GetItemID(int nIndex) const
{
    const CWTKToolbarButton* pButton = GetButton(nIndex);
    return pButton ? pButton->m_nID : 0;
}

UINT CWTKToolBar::GetButtonStyle(int nIndex) const
{
    const CWTKToolbarButton* pButton = GetButton(nIndex);
    return pButton ? pButton->m_nStyle : 0;
}

BOOL CWTKToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || lpszText == nullptr)
        return FALSE;
    pButton->m_strText = lpszText;
    return TRUE;
}

CString CWTKToolBar::GetButtonText(int nIndex) const
{
    const CWTKToolbarButton* pButton = GetButton(nIndex);
    return pButton ? pButton->m_strText : CString();
}

void CWTKToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return;
    const CWTKToolbarButton* pButton = GetButton(nIndex);
    *lpRect = pButton ? static_cast<RECT>(pButton->GetRect()) : RECT {0, 0, 0, 0};
}

void CWTKToolBar::GetInvalidateItemRect(int nIndex, LPRECT lpRect) const
{
    GetItemRect(nIndex, lpRect);
}

CWTKToolbarButton* CWTKToolBar::GetHighlightedButton() const
{
    return GetButton(m_iHighlighted);
}

CWTKToolbarButton* CWTKToolBar::GetDroppedDownMenu(int* pIndex) const
{
    for (int i = 0; i < GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton->IsDroppedDown()) {
            if (pIndex)
                *pIndex = i;
            return pButton;
        }
    }
    if (pIndex)
        *pIndex = -1;
    return nullptr;
}

CWTKToolbarButton* CWTKToolBar::InvalidateButton(int nIndex)
{
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || !::IsWindow(GetSafeHwnd()))
        return pButton;
    CRect rect;
    GetInvalidateItemRect(nIndex, &rect);
    rect.InflateRect(kInvalidateInflate, kInvalidateInflate);
    if (pButton == m_pCustomizeBtn) {
        const CSize margins = GetButtonMargins();
        rect.InflateRect(margins.cx, margins.cy);
        RedrawWindow(rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    } else {
        InvalidateRect(rect);
    }
    return pButton;
}

void CWTKToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return;
    const UINT nOldStyle = pButton->m_nStyle;
    if (nOldStyle == nStyle)
        return;
    if (nStyle & TBBS_DISABLED)
        nStyle &= ~TBBS_PRESSED;
    pButton->SetStyle(nStyle);
    if (!((nOldStyle & TBBS_PRESSED) && (nStyle & TBBS_PRESSED)))
        InvalidateButton(nIndex);
}

void CWTKToolBar::SetButtonDisplay(int nIndex, LPCTSTR lpszText, BOOL bShowText, BOOL bShowImage)
{
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return;
    if (bShowText) {
        if (lpszText != nullptr && *lpszText != '\0')
            pButton->m_strText = lpszText;
        else
            GetButtonTooltip(pButton);
    }
    pButton->m_bText = bShowText;
    pButton->m_bImage = bShowImage;
}

BOOL CWTKToolBar::GetButtonTooltip(CWTKToolbarButton* pButton)
{
    if (pButton == nullptr || pButton->m_nID == 0 || pButton->m_nID == static_cast<UINT>(-1))
        return FALSE;
    char szPrompt[256 + 1] = "";
    if (::LoadStringA(FwGetResourceHandle(), pButton->m_nID, szPrompt, 256) <= 0)
        return FALSE;
    const char* pNewLine = strchr(szPrompt, '\n');
    if (pNewLine == nullptr)
        return FALSE;
    pButton->m_strText = pNewLine + 1;
    return TRUE;
}

BOOL CWTKToolBar::SendCommand(const CWTKToolbarButton* pButton)
{
    if (pButton == nullptr || pButton->m_nID == 0 || pButton->m_nID == static_cast<UINT>(-1))
        return FALSE;
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kCommandSound);
    WTKGetCommandUsageCounter().AddCmd(pButton->m_nID);
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->PostMessage(WM_COMMAND, pButton->m_nID, 0);
    return TRUE;
}

BOOL CWTKToolBar::DropDownMenu(CWTKToolbarButton* pButton)
{
    // Only a menu button opens a popup on a click; a plain button answers FALSE.
    if (pButton == nullptr || !pButton->OnClick(this, TRUE))
        return FALSE;
    if (auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pButton))
        pMenuButton->SelectFirstPopupItem();
    m_iHighlighted = ButtonToIndex(pButton);
    InvalidateButton(m_iHighlighted);
    return TRUE;
}

CWnd* CWTKToolBar::GetCommandTarget() const
{
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (m_bRouteCommandsViaFrame && pTarget != nullptr && !pTarget->IsFrameWnd()) {
        if (CFrameWnd* pFrame = GetParentFrame())
            pTarget = pFrame;
    }
    return pTarget;
}

void CWTKToolBar::ShowCommandPrompt(UINT nID)
{
    if (s_hookMouse != nullptr)
        return;
    constexpr UINT kIdleMessage = 0xE001;
    UINT nPrompt = nID;
    if (nID == static_cast<UINT>(-1))
        nPrompt = kIdleMessage;
    else if (FwIsSystemCommand(nID))
        nPrompt = 0xEF00 + (nID - FW_ID_FIRST_SYSTEM_COMMAND) / 16;
    else if (nID > 0xFEFF)
        nPrompt = 0xEF1F;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_SETMESSAGESTRING, nPrompt, 0);
}

BOOL CWTKToolBar::ShowCommandMessageString(CWTKToolbarButton* pButton, CString& strText)
{
    CFrameWnd* pTopFrame = ::IsWindow(GetSafeHwnd()) ? GetTopLevelFrame() : nullptr;
    if (pTopFrame == nullptr)
        return FALSE;
    return CWTKToolBarFrameQueries::Get().GetButtonTip(pTopFrame, pButton, strText);
}

BOOL CWTKToolBar::IsUserDefined() const
{
    CFrameWnd* pTopFrame = ::IsWindow(GetSafeHwnd()) ? GetTopLevelFrame() : nullptr;
    if (pTopFrame == nullptr)
        return FALSE;
    return CWTKToolBarFrameQueries::Get().IsUserDefined(pTopFrame, this);
}

void CWTKToolBar::Deactivate()
{
    const int iOldHot = m_iHighlighted;
    m_iHighlighted = -1;
    m_iDroppedDown = -1;
    InvalidateButton(iOldHot);
    ShowCommandPrompt(static_cast<UINT>(-1));
    RestoreFocus();
}

void CWTKToolBar::RestoreFocus()
{
    if (m_hwndLastFocus != nullptr && ::IsWindow(m_hwndLastFocus))
        ::SetFocus(m_hwndLastFocus);
    m_hwndLastFocus = nullptr;
}

void CWTKToolBar::RebuildMnemonics()
{
    m_AccelKeys.RemoveAll();
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (pButton->IsSeparator() || !pButton->m_bText)
            continue;
        const int iAmp = pButton->m_strText.Find('&');
        // An "&" as the last character marks nothing.
        if (iAmp < 0 || iAmp + 1 >= pButton->m_strText.GetLength())
            continue;
        const UINT uiChar = static_cast<UINT>(reinterpret_cast<UINT_PTR>(::CharUpperA(
            reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(pButton->m_strText[iAmp + 1]))))));
        m_AccelKeys.SetAt(uiChar, pButton);
    }
}

BOOL CWTKToolBar::TranslateChar(UINT nChar)
{
    const UINT uiMapped = ::MapVirtualKeyExA(nChar, 2 /* MAPVK_VK_TO_CHAR */, ::GetKeyboardLayout(0));
    if (uiMapped == 0)
        return FALSE;
    const UINT uiUpper = static_cast<UINT>(
        reinterpret_cast<UINT_PTR>(::CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(uiMapped & 0xFF)))));
    CWTKToolbarButton* pButton = nullptr;
    if (!m_AccelKeys.Lookup(uiUpper, pButton) || pButton == nullptr)
        return FALSE;
    {
        const CWTKMenuAnimationOff animationOff;
        if (DropDownMenu(pButton))
            return TRUE;
    }
    return SendCommand(pButton);
}

BOOL CWTKToolBar::PrevMenu()
{
    return MoveToMenu(-1);
}

BOOL CWTKToolBar::NextMenu()
{
    return MoveToMenu(1);
}

BOOL CWTKToolBar::MoveToMenu(int iStep)
{
    int iOpen = -1;
    if (GetDroppedDownMenu(&iOpen) == nullptr || IsCustomizeMode())
        return FALSE;
    const int nCount = GetCount();
    for (int nStep = 1; nStep < nCount; nStep++) {
        const int i = ((iOpen + iStep * nStep) % nCount + nCount) % nCount;
        auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(GetButton(i));
        if (pMenuButton == nullptr || pMenuButton->IsHidden() || pMenuButton->IsSeparator() ||
            (pMenuButton->m_nStyle & TBBS_DISABLED) != 0)
            continue;
        const CWndLifeGuard self(this);
        {
            const CWTKMenuAnimationOff animationOff;
            OnChangeHot(i);
        }
        if (self.IsAlive())
            pMenuButton->SelectFirstPopupItem();
        return TRUE;
    }
    return FALSE;
}

void CWTKToolBar::OnChangeHot(int iHot)
{
    if (iHot == m_iDroppedDown)
        iHot = -1;
    m_iDroppedDown = iHot;
    int iOpen = -1;
    CWTKToolbarButton* pOpen = GetDroppedDownMenu(&iOpen);
    if (pOpen == nullptr || IsCustomizeMode())
        return;
    CWTKToolbarButton* pNew = GetButton(iHot);
    if (pNew == nullptr) {
        m_iDroppedDown = -1;
        return;
    }
    if (pNew != pOpen) {
        const int iKeepHot = m_iHighlighted;
        pOpen->OnCancelMode();
        m_iHighlighted = iKeepHot;
        pNew->OnClick(this, TRUE);  // opens the popup of a menu button
    }
    if (iHot != -1 && iHot != m_iHighlighted) {
        const int iOld = m_iHighlighted;
        m_iHighlighted = m_iDroppedDown;
        InvalidateButton(iOld);
        InvalidateButton(m_iHighlighted);
    }
}

void CWTKToolBar::OnGlobalFontsChanged()
{
    for (CWTKToolbarButton* pButton : m_Buttons)
        pButton->OnGlobalFontsChanged();
}

// ---- Process-wide ----

void CWTKToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    s_sizeButton = sizeButton;
    s_sizeImage = sizeImage;
    const int nFactor = WTKGetCommandBarSettings().bLargeIcons ? 2 : 1;
    s_sizeCurButton = CSize(sizeButton.cx * nFactor, sizeButton.cy * nFactor);
    s_sizeCurImage = CSize(sizeImage.cx * nFactor, sizeImage.cy * nFactor);
    for (CWTKImageStrip* pStrip : {&s_Images, &s_ColdImages, &s_DisabledImages})
        pStrip->SetImageSize(sizeImage);
    for (CWTKImageStrip* pStrip : {&s_LargeImages, &s_LargeColdImages, &s_LargeDisabledImages})
        pStrip->SetImageSize(CSize(sizeImage.cx * 2, sizeImage.cy * 2));
    if (s_pUserImages != nullptr)
        s_pUserImages->SetImageSize(sizeImage);
    s_MenuImages.SetImageSize(sizeImage);
    s_MenuDisabledImages.SetImageSize(sizeImage);
}

void CWTKToolBar::SetLockedSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButtonLocked = sizeButton;
    m_sizeImageLocked = sizeImage;
    const int nFactor = WTKGetCommandBarSettings().bLargeIcons ? 2 : 1;
    m_sizeCurButtonLocked = CSize(sizeButton.cx * nFactor, sizeButton.cy * nFactor);
    m_sizeCurImageLocked = CSize(sizeImage.cx * nFactor, sizeImage.cy * nFactor);
    for (CWTKImageStrip* pStrip : {&m_ImagesLocked, &m_ColdImagesLocked, &m_DisabledImagesLocked})
        pStrip->SetImageSize(sizeImage);
    for (CWTKImageStrip* pStrip : {&m_LargeImagesLocked, &m_LargeColdImagesLocked, &m_LargeDisabledImagesLocked})
        pStrip->SetImageSize(CSize(sizeImage.cx * 2, sizeImage.cy * 2));
}

void CWTKToolBar::SetMenuSizes(SIZE sizeButton, SIZE sizeImage)
{
    s_sizeMenuButton = sizeButton;
    s_sizeMenuImage = sizeImage;
}

CSize CWTKToolBar::GetMenuImageSize()
{
    return s_sizeMenuImage.cx == -1 ? s_sizeImage : s_sizeMenuImage;
}

COLORREF CWTKToolBar::GetTextColor()
{
    return s_clrText == static_cast<COLORREF>(-1) ? WTKGetGlobalData().clrBarText : s_clrText;
}

void CWTKToolBar::AddBasicCommand(UINT uiCmd)
{
    if (BasicCommands().Find(uiCmd) == nullptr)
        BasicCommands().AddTail(uiCmd);
}

void CWTKToolBar::ClearBasicCommands()
{
    BasicCommands().RemoveAll();
}

BOOL CWTKToolBar::IsBasicCommand(UINT uiCmd)
{
    return BasicCommands().Find(uiCmd) != nullptr;
}

BOOL CWTKToolBar::HasBasicCommands()
{
    return !BasicCommands().IsEmpty();
}

BOOL CWTKToolBar::IsCommandRarelyUsed(UINT uiCmd)
{
    // No id past the application's is ever hidden: the counter's test lets through those with
    // the top bit set.
    if (IsCustomizeMode() || CWTKCommandUsageCounter::IsUncountedCommand(uiCmd) || uiCmd > kLastAppCommandId)
        return FALSE;
    if (BasicCommands().IsEmpty() || IsBasicCommand(uiCmd))
        return FALSE;
    return !WTKGetCommandUsageCounter().IsFrequentlyUsed(uiCmd);
}

int CWTKToolBar::GetDefaultImage(UINT uiID)
{
    int iImage = -1;
    if (!DefaultImages().Lookup(uiID, iImage))
        return -1;
    return iImage;
}

void CWTKToolBar::SetDefaultImage(UINT uiID, int iImage)
{
    DefaultImages().SetAt(uiID, iImage);
}

int CWTKToolBar::GetCommandButtons(UINT uiCmd, CObList& listButtons)
{
    listButtons.RemoveAll();
    if (uiCmd == 0)
        return 0;
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKToolBar*>(WTKAllToolbars().GetNext(pos));
        if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        for (CWTKToolbarButton* pButton : pBar->m_Buttons) {
            if (pButton->m_nID == uiCmd)
                listButtons.AddTail(pButton);
        }
    }
    return static_cast<int>(listButtons.GetCount());
}

BOOL CWTKToolBar::SetCustomizeMode(BOOL bSet)
{
    if (WTKCustomizeModeFlag() == bSet)
        return FALSE;
    // A bar's OnCustomizeMode may create or destroy bars: each pass visits a copy of the list,
    // skipping bars that went meanwhile, and passes repeat while new bars appeared, never more
    // often than there were bars to visit (plus a margin).
    CWTKToolBarList& all = WTKAllToolbars();
    std::vector<CWTKToolBarBase*> visited;
    const INT_PTR nMaxPasses = all.GetCount() + 8;
    for (INT_PTR nPass = 0; nPass < nMaxPasses; nPass++) {
        std::vector<CWTKToolBarBase*> pending;
        for (POSITION pos = all.GetHeadPosition(); pos != nullptr;) {
            CWTKToolBarBase* pBase = all.GetNext(pos);
            if (std::find(visited.begin(), visited.end(), pBase) == visited.end())
                pending.push_back(pBase);
        }
        if (pending.empty())
            break;
        for (CWTKToolBarBase* pBase : pending) {
            if (all.Find(pBase) == nullptr)
                continue;
            visited.push_back(pBase);
            auto* pBar = dynamic_cast<CWTKToolBar*>(pBase);
            if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()))
                pBar->OnCustomizeMode(bSet);
        }
    }
    WTKCustomizeModeFlag() = bSet;
    for (POSITION pos = all.GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKToolBar*>(all.GetNext(pos));
        if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        if (pBar->m_pCustomizeBtn != nullptr)
            pBar->AdjustLayout();
        pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (!bSet)
        s_pSelToolbar = nullptr;
    return TRUE;
}

void CWTKToolBar::CleanUpImages()
{
    for (CWTKImageStrip* pStrip : {&s_Images, &s_ColdImages, &s_DisabledImages, &s_LargeImages, &s_LargeColdImages,
                                   &s_LargeDisabledImages, &s_MenuImages, &s_MenuDisabledImages})
        pStrip->Clear();
    DefaultImages().RemoveAll();
    SharedImageOffsets().RemoveAll();
    WTKGetCommandUsageCounter().Reset();
}
