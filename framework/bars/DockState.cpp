#include "bars/DockState.h"
#include "core/RegKey.h"
#include "core/String.h"
#include "win/WinApp.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNAMIC(CDockState, CObject)

namespace {
// Key and value names (see the header for the layout).
constexpr char kStateKey[] = "DockState";
constexpr char kBarKeyFormat[] = "Bar%d";
constexpr char kVersion[] = "Version";
constexpr char kBarCount[] = "BarCount";
constexpr char kScreenLeft[] = "ScreenLeft";
constexpr char kScreenTop[] = "ScreenTop";
constexpr char kScreenRight[] = "ScreenRight";
constexpr char kScreenBottom[] = "ScreenBottom";
constexpr char kID[] = "ID";
constexpr char kVisible[] = "Visible";
constexpr char kFloating[] = "Floating";
constexpr char kHorz[] = "Horz";
constexpr char kDockBar[] = "DockBar";
constexpr char kX[] = "X";
constexpr char kY[] = "Y";
constexpr char kMRUWidth[] = "MRUWidth";
constexpr char kDocking[] = "Docking";
constexpr char kMRUDockID[] = "MRUDockID";
constexpr char kMRUDockLeft[] = "MRUDockLeft";
constexpr char kMRUDockTop[] = "MRUDockTop";
constexpr char kMRUDockRight[] = "MRUDockRight";
constexpr char kMRUDockBottom[] = "MRUDockBottom";
constexpr char kMRUFloatStyle[] = "MRUFloatStyle";
constexpr char kMRUFloatX[] = "MRUFloatX";
constexpr char kMRUFloatY[] = "MRUFloatY";
constexpr char kCount[] = "Count";
constexpr char kEntryFormat[] = "Bar%d";

// Coordinates beyond this are damage, not a screen.
constexpr int kMaxCoordinate = 1000000;
constexpr int kMaxBarWidth = 32767;
constexpr UINT kFirstDockBarID = FW_IDW_DOCKBAR_TOP;
constexpr UINT kLastDockBarID = FW_IDW_DOCKBAR_FLOAT;

// A saved integer, or the default when it is missing, of another type or size.
int ReadInt(const CRegKey& key, LPCSTR lpszName, int nDefault)
{
    DWORD dwValue = 0;
    if (key.QueryDWORDValue(lpszName, dwValue) != ERROR_SUCCESS)
        return nDefault;
    return (int)dwValue;
}

int ReadCoordinate(const CRegKey& key, LPCSTR lpszName, int nDefault)
{
    int n = ReadInt(key, lpszName, nDefault);
    return (n < -kMaxCoordinate || n > kMaxCoordinate) ? nDefault : n;
}

CString SectionPath(LPCSTR lpszSection)
{
    return CString(lpszSection) + "\\" + kStateKey;
}

CString BarKeyName(int n)
{
    CString str;
    str.Format(kBarKeyFormat, n);
    return str;
}

int ScaleCoordinate(int n, int nFrom, int nFromLength, int nTo, int nToLength)
{
    return nTo + (int)(((long long)(n - nFrom) * nToLength) / nFromLength);
}

// Loads one record from its key; FALSE when it cannot be a record at all.
BOOL ReadRecord(const CRegKey& key, CControlBarInfo& info)
{
    int nID = ReadInt(key, kID, 0);
    if (nID <= 0 || nID > 0xFFFF)
        return FALSE;
    info.m_nBarID = (UINT)nID;
    info.m_bDockBar = ReadInt(key, kDockBar, 0) != 0;
    if (info.m_bDockBar && (info.m_nBarID < kFirstDockBarID || info.m_nBarID > kLastDockBarID))
        return FALSE;
    info.m_bVisible = ReadInt(key, kVisible, 1) != 0;
    // Only a floating frame's dock bar floats, whatever a damaged value says.
    info.m_bFloating = info.m_bDockBar && info.m_nBarID == FW_IDW_DOCKBAR_FLOAT;
    info.m_bHorz = ReadInt(key, kHorz, 1) != 0;
    info.m_pointPos = CPoint(ReadCoordinate(key, kX, 0), ReadCoordinate(key, kY, 0));
    info.m_nMRUWidth = std::clamp<int>(ReadInt(key, kMRUWidth, kMaxBarWidth), 0, kMaxBarWidth);
    info.m_bDocking = ReadInt(key, kDocking, 0) != 0;
    int nMRUDock = ReadInt(key, kMRUDockID, 0);
    info.m_uMRUDockID = (nMRUDock >= (int)kFirstDockBarID && nMRUDock < (int)kLastDockBarID) ? (UINT)nMRUDock : 0;
    CRect rect(ReadCoordinate(key, kMRUDockLeft, 0), ReadCoordinate(key, kMRUDockTop, 0),
               ReadCoordinate(key, kMRUDockRight, 0), ReadCoordinate(key, kMRUDockBottom, 0));
    info.m_rectMRUDockPos = (rect.right >= rect.left && rect.bottom >= rect.top) ? rect : CRect(0, 0, 0, 0);
    info.m_dwMRUFloatStyle = (DWORD)ReadInt(key, kMRUFloatStyle, 0) & CBRS_ALL;
    info.m_ptMRUFloatPos = CPoint(ReadCoordinate(key, kMRUFloatX, 0), ReadCoordinate(key, kMRUFloatY, 0));
    info.m_arrBarID.RemoveAll();
    if (info.m_bDockBar) {
        // A list longer than allowed is damage: the dock bar's record goes whole.
        int nCount = ReadInt(key, kCount, 0);
        if (nCount < 0 || nCount > kDockStateMaxDockEntries)
            return FALSE;
        for (int i = 0; i < nCount; ++i) {
            CString strName;
            strName.Format(kEntryFormat, i);
            DWORD dwID = 0;
            if (key.QueryDWORDValue(strName, dwID) != ERROR_SUCCESS)
                break;  // the list ends where its values end
            if (dwID <= 0xFFFF)
                info.m_arrBarID.Add(dwID);
        }
    }
    return TRUE;
}
}  // namespace

CDockState::CDockState() = default;

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
        delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    m_arrBarInfo.RemoveAll();
}

CRect CDockState::GetVirtualScreenRect()
{
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int cx = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), cy = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cx <= 0 || cy <= 0)
        return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return CRect(x, y, x + cx, y + cy);
}

void CDockState::ScalePoint(CPoint& point) const
{
    const CRect& to = m_rectClip;
    if (to.IsRectEmpty())
        return;
    const CRect& from = m_rectDevice;
    const CRect& screen = m_rectScreen.IsRectEmpty() ? to : m_rectScreen;
    if (!from.IsRectEmpty() && from.Size() != screen.Size()) {
        point.x = ScaleCoordinate(point.x, from.left, from.Width(), screen.left, screen.Width());
        point.y = ScaleCoordinate(point.y, from.top, from.Height(), screen.top, screen.Height());
    }
    // The top-left corner stays inside, with room for a caption to grab.
    point.x = std::clamp<int>(point.x, (int)to.left, std::max<int>((int)to.left, (int)to.right - kDockStateMinVisible));
    point.y = std::clamp<int>(point.y, (int)to.top, std::max<int>((int)to.top, (int)to.bottom - kDockStateMinVisible));
}

void CDockState::ScaleRectPos(CRect& rect) const
{
    CPoint pt = rect.TopLeft();
    ScalePoint(pt);
    rect.OffsetRect(pt - rect.TopLeft());
}

// ---- Profile ----

void CDockState::SaveState(LPCTSTR profileSection) const
{
    CWinApp* pApp = FwGetApp();
    if (!pApp || !profileSection || !*profileSection)
        return;
    const CString strSection = SectionPath(profileSection);
    // The old state goes whole, so fewer bars than last time leave no stale keys.
    pApp->WriteProfileString(strSection, nullptr, nullptr);
    const int nCount = (int)std::min<INT_PTR>(m_arrBarInfo.GetSize(), kDockStateMaxBars);
    CRect rectDevice = m_rectDevice.IsRectEmpty() ? GetVirtualScreenRect() : m_rectDevice;
    for (int i = 0; i < nCount; ++i) {
        auto* pInfo = static_cast<const CControlBarInfo*>(m_arrBarInfo[i]);
        const CString strBar = strSection + "\\" + BarKeyName(i);
        const struct {
            LPCSTR name;
            int value;
        } values[] = {
            {kID, (int)pInfo->m_nBarID},
            {kVisible, pInfo->m_bVisible ? 1 : 0},
            {kFloating, pInfo->m_bFloating ? 1 : 0},
            {kHorz, pInfo->m_bHorz ? 1 : 0},
            {kDockBar, pInfo->m_bDockBar ? 1 : 0},
            {kX, pInfo->m_pointPos.x},
            {kY, pInfo->m_pointPos.y},
            {kMRUWidth, pInfo->m_nMRUWidth},
            {kDocking, pInfo->m_bDocking ? 1 : 0},
            {kMRUDockID, (int)pInfo->m_uMRUDockID},
            {kMRUDockLeft, pInfo->m_rectMRUDockPos.left},
            {kMRUDockTop, pInfo->m_rectMRUDockPos.top},
            {kMRUDockRight, pInfo->m_rectMRUDockPos.right},
            {kMRUDockBottom, pInfo->m_rectMRUDockPos.bottom},
            {kMRUFloatStyle, (int)pInfo->m_dwMRUFloatStyle},
            {kMRUFloatX, pInfo->m_ptMRUFloatPos.x},
            {kMRUFloatY, pInfo->m_ptMRUFloatPos.y},
        };
        for (const auto& v : values)
            pApp->WriteProfileInt(strBar, v.name, v.value);
        if (pInfo->m_bDockBar) {
            const int nEntries = (int)std::min<INT_PTR>(pInfo->m_arrBarID.GetSize(), kDockStateMaxDockEntries);
            pApp->WriteProfileInt(strBar, kCount, nEntries);
            for (int j = 0; j < nEntries; ++j) {
                CString strName;
                strName.Format(kEntryFormat, j);
                pApp->WriteProfileInt(strBar, strName, (int)pInfo->m_arrBarID[j]);
            }
        }
    }
    pApp->WriteProfileInt(strSection, kScreenLeft, rectDevice.left);
    pApp->WriteProfileInt(strSection, kScreenTop, rectDevice.top);
    pApp->WriteProfileInt(strSection, kScreenRight, rectDevice.right);
    pApp->WriteProfileInt(strSection, kScreenBottom, rectDevice.bottom);
    pApp->WriteProfileInt(strSection, kBarCount, nCount);
    // Written last: a state cut short by a failure is not taken for a whole one.
    pApp->WriteProfileInt(strSection, kVersion, kDockStateVersion);
}

void CDockState::LoadState(LPCTSTR profileSection)
{
    Clear();
    CWinApp* pApp = FwGetApp();
    if (!pApp || !profileSection || !*profileSection)
        return;
    CRegKey appKey(pApp->GetAppRegistryKey());
    CRegKey section;
    if (!appKey || section.Open(appKey, SectionPath(profileSection), KEY_READ) != ERROR_SUCCESS)
        return;
    if (ReadInt(section, kVersion, 0) != kDockStateVersion)
        return;
    const int nBars = ReadInt(section, kBarCount, -1);
    if (nBars < 0 || nBars > kDockStateMaxBars)
        return;
    CRect rectDevice(ReadCoordinate(section, kScreenLeft, 0), ReadCoordinate(section, kScreenTop, 0),
                     ReadCoordinate(section, kScreenRight, 0), ReadCoordinate(section, kScreenBottom, 0));
    m_rectDevice = (rectDevice.right > rectDevice.left && rectDevice.bottom > rectDevice.top) ? rectDevice : CRect();
    if (m_rectClip.IsRectEmpty())
        m_rectClip = GetVirtualScreenRect();
    for (int i = 0; i < nBars; ++i) {
        CRegKey key;
        if (key.Open(section, BarKeyName(i), KEY_READ) != ERROR_SUCCESS)
            break;  // the count is bounded by the keys present
        auto info = std::make_unique<CControlBarInfo>();
        if (!ReadRecord(key, *info))
            continue;
        // Saved screen positions come back on this screen.
        if (info->m_bFloating && info->m_bDockBar)
            ScalePoint(info->m_pointPos);
        if (!info->m_rectMRUDockPos.IsRectEmpty())
            ScaleRectPos(info->m_rectMRUDockPos);
        if (info->m_dwMRUFloatStyle)
            ScalePoint(info->m_ptMRUFloatPos);
        m_arrBarInfo.Add(info.release());
    }
}
