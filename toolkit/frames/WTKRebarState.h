// CWTKRebarState: the band layout of every rebar of a frame in the registry, under the
// profile name + "WTKRebar-<rebar id>": "RBI" the band records (80 bytes each), "IDs" the
// band children's control ids (4 bytes each), in band order.
#pragma once
#include <windows.h>

class CWnd;

class CWTKRebarState {
public:
    static BOOL LoadState(LPCTSTR lpszProfileName, CWnd* pParentWnd);
    static BOOL SaveState(LPCTSTR lpszProfileName, CWnd* pParentWnd);

    static const char* const s_szRebarKey;  // "WTKRebar-%ld"
    static const char* const s_szBandInfo;  // "RBI"
    static const char* const s_szChildIds;  // "IDs"
};
