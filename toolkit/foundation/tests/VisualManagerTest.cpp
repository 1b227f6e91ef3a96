// The current look's life: who creates it, who deletes it, and what a change of look refreshes.
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int g_lookObjects = 0;
int g_colourUpdates = 0;
std::vector<UINT> g_redrawFlags;

}  // namespace

// A derived look that counts its instances and its colour updates.
class CTestLook : public CWTKVisualManager {
    DECLARE_DYNCREATE(CTestLook)
public:
    CTestLook() { ++g_lookObjects; }
    ~CTestLook() override { --g_lookObjects; }
    void OnUpdateSystemColors() override { ++g_colourUpdates; }
    BOOL IsBaseLook() const override { return FALSE; }
};
IMPLEMENT_DYNCREATE(CTestLook, CWTKVisualManager)

// A look that cannot be created by name.
class CFixedLook : public CWTKVisualManager {
    DECLARE_DYNAMIC(CFixedLook)
};
IMPLEMENT_DYNAMIC(CFixedLook, CWTKVisualManager)

// A creatable class that is not a look.
class CNotALook : public CObject {
    DECLARE_DYNCREATE(CNotALook)
};
IMPLEMENT_DYNCREATE(CNotALook, CObject)

namespace {

class VisualManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWTKVisualManager::SetDefaultManager(nullptr);
        g_colourUpdates = 0;
        g_redrawFlags.clear();
        CWTKVisualManager::SetBarRedrawStep(WTKRedrawGroup::ToolBars,
                                            [](UINT flags) { g_redrawFlags.push_back(flags); });
    }
    void TearDown() override
    {
        CWTKVisualManager::SetBarRedrawStep(WTKRedrawGroup::ToolBars, nullptr);
        CWTKVisualManager::SetDefaultManager(nullptr);
        CWTKVisualManager::DestroyInstance();
        EXPECT_EQ(0, g_lookObjects) << "a look was leaked";
    }
};

TEST_F(VisualManagerTest, TheDefaultClassDecidesTheLookMadeAtTheNextDrawing)
{
    struct Row {
        const char* name;
        CRuntimeClass* pClass;
        CRuntimeClass* expectedDefault;  // after the call
        CRuntimeClass* expectedLook;
    };
    const Row rows[] = {
        {"null", nullptr, nullptr, RUNTIME_CLASS(CWTKVisualManager)},
        {"derived look", RUNTIME_CLASS(CTestLook), RUNTIME_CLASS(CTestLook), RUNTIME_CLASS(CTestLook)},
        {"not a look (refused)", RUNTIME_CLASS(CNotALook), RUNTIME_CLASS(CTestLook), RUNTIME_CLASS(CTestLook)},
        {"look without creation", RUNTIME_CLASS(CFixedLook), RUNTIME_CLASS(CFixedLook),
         RUNTIME_CLASS(CWTKVisualManager)},
        {"back to null", nullptr, nullptr, RUNTIME_CLASS(CWTKVisualManager)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CWTKVisualManager* pBefore = CWTKVisualManager::GetInstance();
        const int updatesBefore = g_colourUpdates;
        g_redrawFlags.clear();
        CWTKVisualManager::SetDefaultManager(row.pClass);
        EXPECT_EQ(row.expectedDefault, CWTKVisualManager::GetDefaultManager());

        const bool refused = row.pClass == RUNTIME_CLASS(CNotALook);
        CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
        if (refused) {
            EXPECT_EQ(pBefore, pLook) << "a refused class changes nothing";
            EXPECT_TRUE(g_redrawFlags.empty());
            continue;
        }
        EXPECT_EQ(std::vector<UINT> {0x185u}, g_redrawFlags) << "the bars are redrawn once";
        EXPECT_EQ(row.expectedLook, pLook->GetRuntimeClass());
        EXPECT_TRUE(pLook->IsAutoDestroy());
        EXPECT_EQ(pLook, CWTKVisualManager::GetInstance());
        if (row.expectedLook == RUNTIME_CLASS(CTestLook)) {
            EXPECT_EQ(updatesBefore + 1, g_colourUpdates) << "the new look builds its colours once adopted";
        }
    }
}

TEST_F(VisualManagerTest, ChangingTheLookPutsBackTheSystemBarColours)
{
    WTKGlobalData& data = WTKGetGlobalData();
    data.clrBarFace = RGB(1, 2, 3);
    data.clrBarShadow = RGB(4, 5, 6);
    CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CTestLook));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), data.clrBarFace);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), data.clrBarShadow);
}

TEST_F(VisualManagerTest, ALookTheApplicationMadeStaysTheApplications)
{
    CWTKVisualManager::DestroyInstance();
    auto* pOwn = new CTestLook;
    ASSERT_EQ(pOwn, CWTKVisualManager::GetInstance()) << "the first look made becomes the current one";
    EXPECT_FALSE(pOwn->IsAutoDestroy());

    CWTKVisualManager::DestroyInstance();
    EXPECT_EQ(1, g_lookObjects) << "clean-up leaves the application's look";
    EXPECT_EQ(pOwn, CWTKVisualManager::GetInstance());

    // Choosing another look forgets the application's look without deleting it.
    CWTKVisualManager::SetDefaultManager(nullptr);
    EXPECT_EQ(1, g_lookObjects);
    CWTKVisualManager* pNew = CWTKVisualManager::GetInstance();
    EXPECT_NE(pOwn, pNew);

    // Deleting a look that is no longer current leaves the current one in place.
    delete pOwn;
    EXPECT_EQ(pNew, CWTKVisualManager::GetInstance());
}

TEST_F(VisualManagerTest, ATemporaryLookNeverTouchesTheCurrentOne)
{
    CWTKVisualManager::DestroyInstance();
    {
        CWTKVisualManager temporary(TRUE);
        CWTKVisualManager* pCurrent = CWTKVisualManager::GetInstance();
        EXPECT_NE(&temporary, pCurrent) << "a temporary look is not adopted";
    }
    CWTKVisualManager* pCurrent = CWTKVisualManager::GetInstance();
    {
        CWTKVisualManager temporary(TRUE);
    }
    EXPECT_EQ(pCurrent, CWTKVisualManager::GetInstance()) << "deleting a temporary look keeps the current one";
}

TEST_F(VisualManagerTest, TheToolkitCleanUpDeletesTheLookItMade)
{
    CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CTestLook));
    CWTKVisualManager::GetInstance();
    ASSERT_EQ(1, g_lookObjects);
    WTKCleanUp();
    EXPECT_EQ(0, g_lookObjects);
    // The global drawing data released its fonts and light brush: rebuild them for later tests.
    WTKGetGlobalData().UpdateSysColors();
    WTKGetGlobalData().UpdateFonts();
}

TEST_F(VisualManagerTest, Look2000SwitchesTheCurrentLookAndRedraws)
{
    CWTKVisualManager::SetLook2000(TRUE);
    EXPECT_TRUE(CWTKVisualManager::GetInstance()->IsLook2000());
    EXPECT_FALSE(g_redrawFlags.empty());
    CWTKVisualManager::SetLook2000(FALSE);
    EXPECT_FALSE(CWTKVisualManager::GetInstance()->IsLook2000());
}

}  // namespace
