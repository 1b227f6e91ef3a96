// Command routing (view, document, frame, application; a popup frame through its owner) and
// accelerators: translated by the frame, ignored when their command is disabled, and the save
// and open keys of a program whose documents have no files.
#include "DocViewTestSupport.h"
#include "docview/MiniFrameWnd.h"

namespace {

using Log = std::vector<std::string>;

struct RouteRow {
    UINT nID;
    const char* winner;  // "" for nobody
};

// The view handles all four commands, the document three, the frame two, the application one.
const RouteRow kRoutes[] = {
    {ID_ROUTE_VIEW, "view"}, {ID_ROUTE_DOC, "doc"}, {ID_ROUTE_FRAME, "frame"},
    {ID_ROUTE_APP, "app"},   {ID_ROUTE_NONE, ""},
};

void ExpectRoutes(CWnd* pTarget, const char* what)
{
    for (const RouteRow& row : kRoutes) {
        HandlerLog().clear();
        pTarget->SendMessage(WM_COMMAND, row.nID);
        EXPECT_EQ(HandlerLog(), *row.winner ? Log {row.winner} : Log {}) << what << " command " << row.nID;
        CRecordingCmdUI state;
        state.m_nID = row.nID;
        pTarget->OnCmdMsg(row.nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        EXPECT_EQ(state.m_strText, row.winner) << what << " update " << row.nID;
    }
}

TEST_F(DocViewTest, CommandsGoToTheViewThenTheDocumentThenTheFrameThenTheApplication)
{
    ASSERT_TRUE(NewDocument());
    ExpectRoutes(Frame(), "main frame");

    // A popup frame (a floating palette) serves its owner's route.
    auto* pPalette = new CMiniFrameWnd;
    RECT rect = {10, 10, 200, 100};
    ASSERT_TRUE(pPalette->CreateEx(0, nullptr, "Palette", WS_POPUP | WS_CAPTION, rect, Frame()));
    ExpectRoutes(pPalette, "palette");
    pPalette->DestroyWindow();
}

void PressKey(HWND hWnd, UINT nVirtKey, bool bControl)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bControl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, 1);
    ::PostMessageA(hWnd, WM_KEYUP, nVirtKey, 0xC0000001);
    PumpPending();
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

TEST_F(DocViewTest, AcceleratorsReachTheirCommandsUnlessTheCommandIsDisabled)
{
    ASSERT_TRUE(NewDocument());
    const struct {
        UINT nVirtKey;
        Log log;
    } rows[] = {
        {VK_F5, {"frame"}},
        {VK_F6, {"view"}},
        {VK_F7, {}},  // the frame handles it, but its update handler disables it
        {VK_F8, {}},  // no accelerator
    };
    for (const auto& row : rows) {
        HandlerLog().clear();
        PressKey(View()->m_hWnd, row.nVirtKey, false);
        EXPECT_EQ(HandlerLog(), row.log) << "key " << row.nVirtKey;
    }
}

BOOL CALLBACK CountWindowProc(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

int CountThreadWindows()
{
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindowProc, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

TEST_F(DocViewTest, SaveAndOpenKeysDoNothingWhenTheDocumentsHaveNoFiles)
{
    CTestDoc* pDoc = NewDocument();
    ASSERT_TRUE(pDoc);
    int nWindows = CountThreadWindows();

    // Ctrl+N reaches the application: the keys themselves work.
    PressKey(View()->m_hWnd, 'N', true);
    EXPECT_EQ(pDoc->m_nNewDocuments, 2);

    // Ctrl+S finds no handler on the route; Ctrl+O's handler has no file type to offer.
    PressKey(View()->m_hWnd, 'S', true);
    PressKey(View()->m_hWnd, 'O', true);
    EXPECT_EQ(CountThreadWindows(), nWindows);  // no dialog
    EXPECT_TRUE(theApp.m_messageBoxes.empty());
    EXPECT_EQ(pDoc->m_nNewDocuments, 2);
    EXPECT_EQ(View()->GetDocument(), pDoc);
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    FwCmdHandlerInfo info = {nullptr, nullptr};
    EXPECT_FALSE(Frame()->OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr, &info));

    // So the Save item is disabled when its menu opens, and Open stays available.
    HMENU hFile = ::GetSubMenu(::GetMenu(Frame()->m_hWnd), 0);
    Frame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)hFile, MAKELPARAM(0, FALSE));
    EXPECT_TRUE(::GetMenuState(hFile, ID_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(hFile, ID_FILE_OPEN, MF_BYCOMMAND) & MF_GRAYED);
}

}  // namespace
