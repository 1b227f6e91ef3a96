// The life guard answers for the object it watches, not for a window handle: an object can
// die while its window lives on under another object, and a window can go while its object
// stays.
#include "WinTestSupport.h"
#include "win/WndLifeGuard.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// Deletes itself once its window is gone, when asked to.
class CLifeTestWnd : public CWnd {
public:
    bool m_bDeleteWithWindow = false;

protected:
    void PostNcDestroy() override
    {
        if (m_bDeleteWithWindow)
            delete this;
    }
};

struct LifeSubject {
    CLifeTestWnd* pWnd = nullptr;
    HWND hWnd = nullptr;
    std::unique_ptr<CWnd> pHeir;  // takes over the window when the subject lets it go
};

struct LifeRow {
    const char* what;
    void (*act)(LifeSubject& subject);
    bool bObjectAlive;
    bool bHandleValid;      // what a check of the saved handle would answer
    bool bHoldsSameWindow;  // the object alive and still on the saved handle
};

const LifeRow kLifeRows[] = {
    {"left alone", [](LifeSubject&) {}, true, true, true},
    {"deleted, its window with it", [](LifeSubject& s) { delete s.pWnd; }, false, false, false},
    {"deleted after handing its window to another object",
     [](LifeSubject& s) {
         HWND hWnd = s.pWnd->Detach();
         delete s.pWnd;
         s.pHeir = std::make_unique<CWnd>();
         s.pHeir->Attach(hWnd);
     },
     false, true, false},
    {"its window destroyed, the object kept", [](LifeSubject& s) { s.pWnd->DestroyWindow(); }, true, false, false},
    {"its window handed to another object, the object kept",
     [](LifeSubject& s) {
         s.pHeir = std::make_unique<CWnd>();
         s.pHeir->Attach(s.pWnd->Detach());
     },
     true, true, false},
    {"deleted by its own window going away inside a message",
     [](LifeSubject& s) {
         s.pWnd->m_bDeleteWithWindow = true;
         ::SendMessageA(s.hWnd, WM_CLOSE, 0, 0);
     },
     false, false, false},
};

TEST(WndLifeGuardTest, AnswersForTheObjectNotItsHandle)
{
    for (const LifeRow& row : kLifeRows) {
        LifeSubject s;
        s.pWnd = new CLifeTestWnd;
        ASSERT_TRUE(s.pWnd->CreateEx(0, nullptr, "Life", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr)) << row.what;
        s.hWnd = s.pWnd->m_hWnd;
        {
            const CWndLifeGuard guard(s.pWnd);
            row.act(s);
            EXPECT_EQ(row.bObjectAlive, guard.IsAlive()) << row.what;
            EXPECT_EQ(row.bHandleValid, ::IsWindow(s.hWnd) != FALSE) << row.what;
            EXPECT_EQ(row.bHoldsSameWindow, guard.HoldsSameWindow()) << row.what;
            if (guard.IsAlive())
                delete s.pWnd;
        }
        if (s.pHeir)
            s.pHeir->DestroyWindow();
    }
}

TEST(WndLifeGuardTest, NestedGuardsEachWatchTheirOwnObject)
{
    auto* pOuter = new CLifeTestWnd;
    auto* pInner = new CLifeTestWnd;
    ASSERT_TRUE(pOuter->CreateEx(0, nullptr, "Outer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(pInner->CreateEx(0, nullptr, "Inner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    const CWndLifeGuard outer(pOuter);
    {
        const CWndLifeGuard inner(pInner);
        const CWndLifeGuard innerAgain(pInner);
        delete pInner;
        EXPECT_FALSE(inner.IsAlive());
        EXPECT_FALSE(innerAgain.IsAlive());
        EXPECT_TRUE(outer.IsAlive());
    }
    // The inner guards are gone: deleting the outer object still reaches its own guard.
    delete pOuter;
    EXPECT_FALSE(outer.IsAlive());
}

}  // namespace
