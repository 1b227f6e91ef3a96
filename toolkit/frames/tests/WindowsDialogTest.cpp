// The Windows dialog over a real MDI frame, run modally with a script posted into its own modal
// loop: the list of children, the buttons' states by selection, activating, saving, closing,
// minimising, cascading and tiling, the help button, and window animation switched off for
// minimising and arranging with nothing persisted and the setting back afterwards.
#include "MDITestSupport.h"

#include "frames/WindowsDialog.h"

#include "Canvas.h"

#include <functional>
#include <string>

namespace {

constexpr UINT kRunScript = WM_APP + 1;

// The dialog runs the test's script from inside its modal loop, then ends if still open.
class CScriptedWindowsDialog : public CWindowsDialog {
public:
    CScriptedWindowsDialog(CMDIFrameWnd* pFrame, std::function<void(CScriptedWindowsDialog&)> script, bool bEnd)
        : CWindowsDialog(pFrame), m_script(std::move(script)), m_bEnd(bEnd)
    {}
    BOOL OnInitDialog() override
    {
        CWindowsDialog::OnInitDialog();
        PostMessage(kRunScript);
        return TRUE;
    }
    BOOL IsEnabled(UINT nID) const { return ::IsWindowEnabled(::GetDlgItem(m_hWnd, static_cast<int>(nID))); }
    // Selects exactly these windows, as the user's clicks in the list would.
    void Select(const std::vector<CWnd*>& windows)
    {
        m_wndList.SetSel(-1, FALSE);
        for (CWnd* pWnd : windows)
            SelectWindow(pWnd->m_hWnd);
        UpdateButtons();
    }
    CListBox& List() { return m_wndList; }
    // Draws the list's first item into hDC at rect, selected or not.
    void DrawFirstItem(HDC hDC, const RECT& rect, bool bSelected)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTBOX;
        dis.CtlID = IDC_WTK_WINDOWS_LIST;
        dis.itemID = 0;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = bSelected ? ODS_SELECTED : 0;
        dis.hwndItem = m_wndList.m_hWnd;
        dis.hDC = hDC;
        dis.rcItem = rect;
        dis.itemData = m_wndList.GetItemData(0);
        SendMessage(WM_DRAWITEM, IDC_WTK_WINDOWS_LIST, reinterpret_cast<LPARAM>(&dis));
    }

protected:
    LRESULT OnRunScript(WPARAM, LPARAM)
    {
        m_script(*this);
        if (m_bEnd)
            EndDialog(IDCANCEL);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

    std::function<void(CScriptedWindowsDialog&)> m_script;
    bool m_bEnd;
};

BEGIN_MESSAGE_MAP(CScriptedWindowsDialog, CWindowsDialog)
    ON_MESSAGE(kRunScript, OnRunScript)
END_MESSAGE_MAP()

// Records the animation calls and answers as a system with animation on.
struct AnimationRecorder {
    struct Call {
        UINT uiAction;
        int iMinAnimate;
        UINT fWinIni;
    };
    static inline std::vector<Call> s_calls;
    static inline int s_iMinAnimate = 1;

    static BOOL WINAPI Fake(UINT uiAction, UINT /*uiParam*/, PVOID pvParam, UINT fWinIni)
    {
        auto* pInfo = static_cast<ANIMATIONINFO*>(pvParam);
        if (uiAction == SPI_GETANIMATION)
            pInfo->iMinAnimate = s_iMinAnimate;
        else if (uiAction == SPI_SETANIMATION)
            s_iMinAnimate = pInfo->iMinAnimate;
        s_calls.push_back({uiAction, pInfo->iMinAnimate, fWinIni});
        return TRUE;
    }
    AnimationRecorder()
    {
        s_calls.clear();
        s_iMinAnimate = 1;
        CWindowsDialog::s_pfnSystemParameters = &Fake;
    }
    ~AnimationRecorder() { CWindowsDialog::s_pfnSystemParameters = &::SystemParametersInfoA; }
    AnimationRecorder(const AnimationRecorder&) = delete;
    AnimationRecorder& operator=(const AnimationRecorder&) = delete;
};

class WindowsDialogTest : public MDITestBase {
protected:
    // bEnd: the dialog is cancelled after the script (a script may end it itself).
    INT_PTR Run(std::function<void(CScriptedWindowsDialog&)> script, bool bEnd = true)
    {
        CScriptedWindowsDialog dlg(m_pFrame, std::move(script), bEnd);
        const INT_PTR nResult = dlg.DoModal();
        PumpPending();
        return nResult;
    }
};

TEST_F(WindowsDialogTest, ListsTheChildrenAndEnablesButtonsBySelection)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
    CMDITestChild* pNoSysMenu =
        m_pFrame->AddChild("Plain.txt", nullptr, WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME);
    ASSERT_NE(pNoSysMenu, nullptr);
    ::EnableMenuItem(::GetSystemMenu(children[1]->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    m_pFrame->MDIActivate(children[2]);
    PumpPending();

    struct Case {
        const char* name;
        std::vector<int> selected;  // indexes into the children; 3 is the one without a system menu
        // Activate, Save, Close, Minimize, Cascade/Tile
        bool activate, save, close, minimize, arrange;
    };
    const Case cases[] = {
        {"nothing", {}, false, false, false, false, false},
        {"one", {2}, true, true, true, false, false},
        {"two", {0, 2}, false, true, true, false, false},
        {"one that cannot close", {1}, true, true, false, false, false},
    };
    Run([&](CScriptedWindowsDialog& dlg) {
        EXPECT_EQ(dlg.GetListedWindows().size(), 4u);
        ASSERT_EQ(dlg.GetSelectedWindows().size(), 1u);
        EXPECT_EQ(dlg.GetSelectedWindows()[0], children[2]->m_hWnd) << "the active child is selected";
        for (const Case& c : cases) {
            std::vector<CWnd*> selected;
            for (int i : c.selected)
                selected.push_back(children[i]);
            dlg.Select(selected);
            EXPECT_EQ(dlg.IsEnabled(IDC_WTK_WINDOWS_ACTIVATE) != 0, c.activate) << c.name;
            EXPECT_EQ(dlg.IsEnabled(IDC_WTK_WINDOWS_SAVE) != 0, c.save) << c.name;
            EXPECT_EQ(dlg.IsEnabled(IDC_WTK_WINDOWS_CLOSE) != 0, c.close) << c.name;
            // A listed window without a system menu rules minimising and arranging out.
            EXPECT_EQ(dlg.IsEnabled(IDC_WTK_WINDOWS_MINIMIZE) != 0, c.minimize) << c.name;
            EXPECT_EQ(dlg.IsEnabled(IDC_WTK_WINDOWS_TILE_VERT) != 0, c.arrange) << c.name;
            EXPECT_EQ(dlg.IsEnabled(IDC_WTK_WINDOWS_CASCADE) != 0, c.arrange) << c.name;
        }
    });

    // Without the child that has no system menu, two selected windows can be arranged.
    pNoSysMenu->MDIDestroy();
    PumpPending();
    Run([&](CScriptedWindowsDialog& dlg) {
        dlg.Select({children[0], children[2]});
        EXPECT_TRUE(dlg.IsEnabled(IDC_WTK_WINDOWS_MINIMIZE));
        EXPECT_TRUE(dlg.IsEnabled(IDC_WTK_WINDOWS_TILE_HORZ));
        EXPECT_FALSE(dlg.IsEnabled(IDC_WTK_WINDOWS_ACTIVATE));

        // An item in the highlight or the window colours, its title after the icon's square.
        for (const bool bSelected : {true, false}) {
            Canvas canvas(200, 16, kRed);
            dlg.DrawFirstItem(canvas.Handle(), CRect(0, 0, 200, 16), bSelected);
            const COLORREF clrBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
            const COLORREF clrText = ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
            EXPECT_EQ(canvas.Pixel(199, 8), clrBack) << bSelected;
            EXPECT_EQ(canvas.Count(kRed), 0) << "the whole item is filled";
            EXPECT_GT(canvas.Count(clrText, CRect(20, 0, 200, 16)), 0) << bSelected;
            EXPECT_EQ(canvas.Count(clrText, CRect(0, 0, 20, 16)), 0) << "no text over the icon";
        }
    });
}

TEST_F(WindowsDialogTest, ActivateRestoresAndActivatesTheChildAndEndsTheDialog)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
    children[0]->ShowWindow(SW_MINIMIZE);
    PumpPending();
    const INT_PTR nResult = Run(
        [&](CScriptedWindowsDialog& dlg) {
            dlg.Select({children[0]});
            dlg.ActivateSelected();
        },
        false);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(m_pFrame->MDIGetActive(), children[0]);
    EXPECT_FALSE(children[0]->IsIconic());

    // The help button asks the main window.
    Run([&](CScriptedWindowsDialog& dlg) { dlg.SendMessage(WM_COMMAND, IDC_WTK_WINDOWS_HELP, 0); });
    EXPECT_EQ(m_pFrame->m_nWindowHelp, 1);
}

TEST_F(WindowsDialogTest, SaveAndCloseActOnTheSelectedWindows)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
    const HWND hWndKept = children[1]->m_hWnd;
    Run([&](CScriptedWindowsDialog& dlg) {
        dlg.Select({children[0], children[2]});
        dlg.SaveSelected();
        EXPECT_EQ(children[0]->m_doc.m_nSaves, 1);
        EXPECT_EQ(children[1]->m_doc.m_nSaves, 0);
        EXPECT_EQ(children[2]->m_doc.m_nSaves, 1);
        EXPECT_EQ(dlg.GetSelectedWindows().size(), 2u) << "the selection survives the refill";

        dlg.CloseSelected();
        EXPECT_EQ(dlg.GetListedWindows(), std::vector<HWND> {hWndKept});
    });
    EXPECT_EQ(m_pFrame->MDIGetActive(), CWnd::FromHandlePermanent(hWndKept));
}

TEST_F(WindowsDialogTest, MinimizeAndArrangeSwitchAnimationOffForTheSessionOnly)
{
    struct Case {
        const char* name;
        std::function<void(CScriptedWindowsDialog&)> action;
        bool bUnselectedMinimised;
    };
    const Case cases[] = {
        {"minimize", [](CScriptedWindowsDialog& dlg) { dlg.MinimizeSelected(); }, false},
        {"cascade", [](CScriptedWindowsDialog& dlg) { dlg.ArrangeSelected(WM_MDICASCADE, 0); }, true},
        {"tile horizontally", [](CScriptedWindowsDialog& dlg) { dlg.ArrangeSelected(WM_MDITILE, MDITILE_HORIZONTAL); },
         true},
        {"tile vertically", [](CScriptedWindowsDialog& dlg) { dlg.ArrangeSelected(WM_MDITILE, MDITILE_VERTICAL); },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
        AnimationRecorder recorder;
        Run([&](CScriptedWindowsDialog& dlg) {
            dlg.Select({children[0], children[1]});
            c.action(dlg);
        });
        ASSERT_EQ(AnimationRecorder::s_calls.size(), 3u);
        EXPECT_EQ(AnimationRecorder::s_calls[1].uiAction, static_cast<UINT>(SPI_SETANIMATION));
        EXPECT_EQ(AnimationRecorder::s_calls[1].iMinAnimate, 0);
        EXPECT_EQ(AnimationRecorder::s_calls[2].iMinAnimate, 1) << "the setting is back";
        for (const AnimationRecorder::Call& call : AnimationRecorder::s_calls)
            EXPECT_EQ(call.fWinIni, 0u) << "nothing persisted or broadcast";

        const bool bMinimize = std::string(c.name) == "minimize";
        EXPECT_EQ(children[0]->IsIconic() != 0, bMinimize);
        EXPECT_EQ(children[1]->IsIconic() != 0, bMinimize);
        EXPECT_EQ(children[2]->IsIconic() != 0, c.bUnselectedMinimised);
        if (!bMinimize) {
            CRect rect0, rect1;
            children[0]->GetWindowRect(&rect0);
            children[1]->GetWindowRect(&rect1);
            EXPECT_NE(rect0.TopLeft(), rect1.TopLeft());
        }
    }
}

TEST_F(WindowsDialogTest, AnimationAlreadyOffIsLeftAlone)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(2);
    AnimationRecorder recorder;
    AnimationRecorder::s_iMinAnimate = 0;
    Run([&](CScriptedWindowsDialog& dlg) {
        dlg.Select({children[0]});
        dlg.MinimizeSelected();
    });
    ASSERT_EQ(AnimationRecorder::s_calls.size(), 1u);
    EXPECT_EQ(AnimationRecorder::s_calls[0].uiAction, static_cast<UINT>(SPI_GETANIMATION));
    EXPECT_TRUE(children[0]->IsIconic());
}

}  // namespace
