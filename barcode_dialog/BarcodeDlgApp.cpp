#include "BarcodeDlgApp.h"

#include "DialogConstants.h"
#include "HelpViewer.h"

CBarcodeDlgApp::CBarcodeDlgApp() = default;

void CBarcodeDlgApp::WinHelp(DWORD_PTR, UINT)
{
    Dravel::StartHelpViewer(Dravel::kHelpTopic5);
}
