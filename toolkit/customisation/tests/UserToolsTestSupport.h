// What the user tools tests share: the application object, a manager whose tools the tests may
// place with any id, a registry sandbox, and scripted message boxes.
#pragma once
#include "customisation/WTKUserToolsManager.h"

#include "UserToolsTestIds.h"

#include "win/WinApp.h"

#include <string>
#include <vector>

extern CWinApp theApp;

// The sandbox key every registry test writes below (deleted before and after).
constexpr char kToolsSandboxKey[] = "Software\\WTKUserToolsTests";
constexpr char kToolsStatePath[] = "Software\\WTKUserToolsTests\\Workspace\\";
void DeleteToolsSandbox();

// A tool whose command id a test sets.
class CTestTool : public CWTKUserTool {
public:
    void SetCommandId(UINT uiCmdId) { m_uiCmdId = uiCmdId; }
};

// The manager of the tests: tools 33000-33004 in place of item 32900.
class CTestToolsManager : public CWTKUserToolsManager {
public:
    CTestToolsManager() : CWTKUserToolsManager(ID_TEST_TOOLS_ENTRY, ID_TEST_FIRST_TOOL, ID_TEST_LAST_TOOL) {}
    CWTKUserTool* AddTool(const char* pszLabel, UINT uiCmdId, const char* pszCommand = "");
    // The labels in list order, joined by "|".
    std::string Labels() const;
};

// Message boxes answered with IDOK and recorded while the object lives.
class CMessageBoxScript {
public:
    CMessageBoxScript();
    ~CMessageBoxScript();
    CMessageBoxScript(const CMessageBoxScript&) = delete;
    CMessageBoxScript& operator=(const CMessageBoxScript&) = delete;
    static std::vector<std::string> s_texts;

private:
    FwMessageBoxFn m_pfnOld;
};
