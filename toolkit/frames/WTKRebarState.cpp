#include "frames/WTKRebarState.h"

#include "frames/WTKDockingConstants.h"

#include "foundation/WTKRegistryHolder.h"

#include "bars/ReBar.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"

#include <commctrl.h>

#include <cstddef>
#include <new>
#include <vector>

const char* const CWTKRebarState::s_szRebarKey = "WTKRebar-%ld";
const char* const CWTKRebarState::s_szBandInfo = "RBI";
const char* const CWTKRebarState::s_szChildIds = "IDs";

namespace {
// One saved band: the band information up to its header size, as the 32-bit system lays it out.
constexpr UINT kBandRecordSize =
    static_cast<UINT>(offsetof(REBARBANDINFOA, cxHeader) + sizeof(static_cast<REBARBANDINFOA*>(nullptr)->cxHeader));
#ifndef _WIN64
static_assert(kBandRecordSize == kWTKRebarBandInfoSize, "saved rebar records are 80 bytes each");
#endif
// The fields a record keeps (the child goes: it is matched by its control id).
constexpr UINT kSavedMask =
    RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE | RBBIM_HEADERSIZE;
constexpr UINT kAppliedMask = kSavedMask & ~RBBIM_CHILD;

BOOL CALLBACK CollectRebar(HWND hWnd, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CReBar)))
        reinterpret_cast<std::vector<CReBar*>*>(lParam)->push_back(static_cast<CReBar*>(pWnd));
    return TRUE;
}

std::vector<CReBar*> FindRebars(CWnd* pParentWnd)
{
    std::vector<CReBar*> rebars;
    if (pParentWnd == nullptr || !::IsWindow(pParentWnd->GetSafeHwnd()))
        return rebars;
    ::EnumChildWindows(pParentWnd->GetSafeHwnd(), &CollectRebar, reinterpret_cast<LPARAM>(&rebars));
    return rebars;
}

// A binary value's bytes; FALSE when it is missing or not binary.
BOOL ReadBytes(CWTKRegistry& reg, LPCTSTR lpszValue, std::vector<BYTE>& bytes)
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.Read(lpszValue, pData, nBytes))
        return FALSE;
    bytes.assign(pData, pData + nBytes);
    delete[] pData;
    return TRUE;
}

CString RebarKey(LPCTSTR lpszProfileName, CReBar* pBar)
{
    CString strKey;
    strKey.Format(CWTKRebarState::s_szRebarKey, static_cast<long>(pBar->GetDlgCtrlID()));
    return CString(lpszProfileName ? lpszProfileName : "") + strKey;
}

BOOL SaveRebar(LPCTSTR lpszProfileName, CReBar* pBar)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(RebarKey(lpszProfileName, pBar)))
        return FALSE;
    const int nBands = static_cast<int>(pBar->SendMessage(RB_GETBANDCOUNT));
    std::vector<BYTE> records;
    std::vector<DWORD> ids;
    for (int i = 0; i < nBands; ++i) {
        REBARBANDINFOA info {};
        info.cbSize = kBandRecordSize;
        info.fMask = kSavedMask;
        if (!pBar->SendMessage(RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&info)))
            continue;
        // The system reports a fixed-size band's minimum child width as it was set, so the
        // record keeps it unchanged: a load gives back exactly what was saved.
        ids.push_back(info.hwndChild ? static_cast<DWORD>(::GetDlgCtrlID(info.hwndChild)) : 0);
        info.hwndChild = nullptr;
        info.fMask &= ~RBBIM_CHILD;
        const auto* pBytes = reinterpret_cast<const BYTE*>(&info);
        records.insert(records.end(), pBytes, pBytes + kBandRecordSize);
    }
    BYTE empty = 0;
    const BOOL bInfo = reg.Write(CWTKRebarState::s_szBandInfo, records.empty() ? &empty : records.data(),
                                 static_cast<UINT>(records.size()));
    const BOOL bIds =
        reg.Write(CWTKRebarState::s_szChildIds, ids.empty() ? &empty : reinterpret_cast<BYTE*>(ids.data()),
                  static_cast<UINT>(ids.size() * sizeof(DWORD)));
    return bInfo && bIds;
}

// FALSE only when the key could not be opened; damaged data leaves the rebar as it is.
BOOL LoadRebar(LPCTSTR lpszProfileName, CReBar* pBar)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(RebarKey(lpszProfileName, pBar)))
        return FALSE;
    std::vector<BYTE> records;
    std::vector<BYTE> idBytes;
    if (!ReadBytes(reg, CWTKRebarState::s_szBandInfo, records) ||
        !ReadBytes(reg, CWTKRebarState::s_szChildIds, idBytes))
        return TRUE;
    // The records must match the ids, and the ids the rebar's bands, or nothing is applied.
    const int nBands = static_cast<int>(pBar->SendMessage(RB_GETBANDCOUNT));
    if (idBytes.size() % sizeof(DWORD) != 0 || idBytes.size() / sizeof(DWORD) != static_cast<size_t>(nBands) ||
        records.size() != static_cast<size_t>(nBands) * kBandRecordSize)
        return TRUE;
    for (int i = 0; i < nBands; ++i) {
        DWORD dwID = 0;
        memcpy(&dwID, idBytes.data() + i * sizeof(DWORD), sizeof(DWORD));
        for (int j = i; j < nBands; ++j) {
            REBARBANDINFOA current {};
            current.cbSize = kBandRecordSize;
            current.fMask = RBBIM_CHILD;
            if (!pBar->SendMessage(RB_GETBANDINFOA, j, reinterpret_cast<LPARAM>(&current)) ||
                current.hwndChild == nullptr || static_cast<DWORD>(::GetDlgCtrlID(current.hwndChild)) != dwID)
                continue;
            if (j != i)
                pBar->SendMessage(RB_MOVEBAND, j, i);
            REBARBANDINFOA info {};
            memcpy(&info, records.data() + static_cast<size_t>(i) * kBandRecordSize, kBandRecordSize);
            // Only what a record may carry: no pointers, no handles, the size this code knows.
            info.cbSize = kBandRecordSize;
            info.fMask &= kAppliedMask;
            info.hwndChild = nullptr;
            info.lpText = nullptr;
            info.cch = 0;
            info.hbmBack = nullptr;
            info.lParam = 0;
            pBar->SendMessage(RB_SETBANDINFOA, i, reinterpret_cast<LPARAM>(&info));
            break;
        }
    }
    return TRUE;
}
}  // namespace

namespace {
// Runs one rebar's step for every rebar of the frame; the first failure stops the walk. A
// failure to allocate or to reach the registry is a failed step, never an escaping exception.
BOOL ForEachRebar(LPCTSTR lpszProfileName, CWnd* pParentWnd, BOOL (*pfnStep)(LPCTSTR, CReBar*))
{
    return FwFalseOnException("rebar state", [&]() -> BOOL {
        for (CReBar* pBar : FindRebars(pParentWnd)) {
            if (!pfnStep(lpszProfileName, pBar))
                return FALSE;
        }
        return TRUE;
    });
}
}  // namespace

BOOL CWTKRebarState::SaveState(LPCTSTR lpszProfileName, CWnd* pParentWnd)
{
    return ForEachRebar(lpszProfileName, pParentWnd, SaveRebar);
}

BOOL CWTKRebarState::LoadState(LPCTSTR lpszProfileName, CWnd* pParentWnd)
{
    return ForEachRebar(lpszProfileName, pParentWnd, LoadRebar);
}
