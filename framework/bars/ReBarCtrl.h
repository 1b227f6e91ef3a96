// CReBarCtrl: the rebar common control (bands that hold child windows).
#pragma once
#include "win/CommonControls.h"
#include "win/Wnd.h"

class CReBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    CReBarCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetBandCount() const { return (UINT)SendMessage(RB_GETBANDCOUNT); }
    BOOL GetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) const
    {
        return (BOOL)SendMessage(RB_GETBANDINFOA, uBand, (LPARAM)prbbi);
    }
    BOOL SetBandInfo(UINT uBand, REBARBANDINFOA* prbbi)
    {
        return (BOOL)SendMessage(RB_SETBANDINFOA, uBand, (LPARAM)prbbi);
    }
    BOOL InsertBand(UINT uIndex, REBARBANDINFOA* prbbi)
    {
        return (BOOL)SendMessage(RB_INSERTBANDA, uIndex, (LPARAM)prbbi);
    }
    BOOL DeleteBand(UINT uBand) { return (BOOL)SendMessage(RB_DELETEBAND, uBand); }
    BOOL MoveBand(UINT uFrom, UINT uTo) { return (BOOL)SendMessage(RB_MOVEBAND, uFrom, uTo); }
    UINT GetBarHeight() const { return (UINT)SendMessage(RB_GETBARHEIGHT); }
    UINT GetRowCount() const { return (UINT)SendMessage(RB_GETROWCOUNT); }
    int IDToIndex(UINT uBandID) const { return (int)SendMessage(RB_IDTOINDEX, uBandID); }
};
