#include "customisation/WTKUserTool.h"
#include "foundation/WTKBitmapClipboard.h"

#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ResourceHandle.h"
#include "gdi/DC.h"
#include "win/ShellLauncher.h"
#include "win/WinApp.h"
#include "win/Wnd.h"

#include <shellapi.h>

#include <algorithm>
#include <new>

IMPLEMENT_SERIAL(CWTKUserTool, CObject, VERSIONABLE_SCHEMA | 1)

static_assert(IDI_WTK_USER_TOOL == kWTKIdiTool, "the drawing data loads the icon the resource script holds");

namespace {

CSize SmallIconSize()
{
    return CSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
}

// A bare file name: no folder and no drive, so the search path decides where it is.
BOOL IsBareFileName(const CString& strCmd)
{
    return strCmd.FindOneOf("\\/:") < 0;
}

// The clipboard, closed in every case once it was opened.
HWND MainWindow()
{
    CWnd* pMain = FwGetMainWnd();
    return pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
}

}  // namespace

CWTKUserTool::~CWTKUserTool()
{
    DeleteIcon();
}

void CWTKUserTool::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strLabel << m_strCommand << m_strArguments << m_strInitialDirectory << static_cast<DWORD>(m_uiCmdId);
        return;
    }
    CString strCmd;
    DWORD dwCmdId = 0;
    ar >> m_strLabel >> strCmd >> m_strArguments >> m_strInitialDirectory >> dwCmdId;
    m_uiCmdId = static_cast<UINT>(dwCmdId);
    SetCommand(strCmd);
}

BOOL CWTKUserTool::Run()
{
    if (m_strCommand.IsEmpty())
        return FALSE;
    const HINSTANCE hInst =
        FwShellExecute(MainWindow(), nullptr, m_strCommand, m_strArguments, m_strInitialDirectory, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(hInst) > kLastShellError;
}

void CWTKUserTool::DrawToolIcon(CDC* pDC, const CRect& rectImage) const
{
    if (pDC == nullptr)
        return;
    const CSize sizeIcon = SmallIconSize();
    const int x = rectImage.left + std::max<int>(0, (rectImage.Width() - sizeIcon.cx) / 2);
    const int y = rectImage.top + std::max<int>(0, (rectImage.Height() - sizeIcon.cy) / 2);
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, GetIcon(), 0, 0, 0, nullptr, DI_NORMAL);
}

BOOL CWTKUserTool::CopyIconToClipboard() const
{
    return WTKCopyPictureToClipboard(MainWindow(), SmallIconSize(), [this](CDC* pDC, const CRect& rect) {
        DrawToolIcon(pDC, rect);
        return TRUE;
    });
}

void CWTKUserTool::SetCommand(LPCTSTR lpszCmd)
{
    const CString strCmd = lpszCmd != nullptr ? lpszCmd : "";
    if (strCmd == m_strCommand)
        return;
    m_strCommand = strCmd;
    DeleteIcon();
    m_hIcon = LoadToolIcon();
}

HICON CWTKUserTool::GetDefaultIcon()
{
    WTKGlobalData& data = WTKGetGlobalData();
    if (data.hiconTool == nullptr) {
        const CSize sizeIcon = SmallIconSize();
        data.hiconTool = static_cast<HICON>(::LoadImageA(FwGetResourceHandle(), MAKEINTRESOURCEA(kWTKIdiTool),
                                                         IMAGE_ICON, sizeIcon.cx, sizeIcon.cy, LR_SHARED));
    }
    return data.hiconTool;
}

HICON CWTKUserTool::LoadToolIcon()
{
    CString strPath = m_strCommand;
    if (strPath.IsEmpty())
        return GetDefaultIcon();
    if (IsBareFileName(strPath)) {
        char szFound[kMaxSearchPath] = {};
        const DWORD nLength = ::SearchPathA(nullptr, strPath, nullptr, kMaxSearchPath, szFound, nullptr);
        if (nLength == 0 || nLength >= kMaxSearchPath)
            return GetDefaultIcon();
        strPath = szFound;
    }
    SHFILEINFOA info = {};
    if (::SHGetFileInfoA(strPath, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) == 0 || info.hIcon == nullptr)
        return GetDefaultIcon();
    return info.hIcon;
}

void CWTKUserTool::DeleteIcon()
{
    if (m_hIcon != nullptr && m_hIcon != WTKGetGlobalData().hiconTool)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}
