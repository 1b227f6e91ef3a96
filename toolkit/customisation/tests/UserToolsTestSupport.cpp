#include "UserToolsTestSupport.h"

CWinApp theApp("WTKUserToolsTests");

std::vector<std::string> CMessageBoxScript::s_texts;

void DeleteToolsSandbox()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kToolsSandboxKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kToolsSandboxKey);
}

CWTKUserTool* CTestToolsManager::AddTool(const char* pszLabel, UINT uiCmdId, const char* pszCommand)
{
    auto* pTool = new CTestTool;
    pTool->SetCommandId(uiCmdId);
    pTool->m_strLabel = pszLabel;
    pTool->SetCommand(pszCommand);
    m_lstUserTools.AddTail(pTool);
    return pTool;
}

std::string CTestToolsManager::Labels() const
{
    std::string strLabels;
    for (POSITION pos = m_lstUserTools.GetHeadPosition(); pos != nullptr;) {
        if (!strLabels.empty())
            strLabels += "|";
        strLabels += static_cast<const CWTKUserTool*>(m_lstUserTools.GetNext(pos))->m_strLabel.GetString();
    }
    return strLabels;
}

namespace {
int RecordMessageBox(HWND, LPCSTR lpszText, LPCSTR, UINT)
{
    CMessageBoxScript::s_texts.push_back(lpszText ? lpszText : "");
    return IDOK;
}
}  // namespace

CMessageBoxScript::CMessageBoxScript() : m_pfnOld(FwSetMessageBoxFunction(RecordMessageBox))
{
    s_texts.clear();
}

CMessageBoxScript::~CMessageBoxScript()
{
    FwSetMessageBoxFunction(m_pfnOld);
}
