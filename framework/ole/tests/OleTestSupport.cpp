#include "OleTestSupport.h"
#include "win/WinApp.h"
#include <cstring>

CWinApp theApp("FwOleTests");

CLIPFORMAT PayloadFormat()
{
    static const CLIPFORMAT cf = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("FwOleTestPayload"));
    return cf;
}

HGLOBAL MakeBlock(const std::string& bytes)
{
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, bytes.size());
    if (hGlobal && !bytes.empty()) {
        std::memcpy(::GlobalLock(hGlobal), bytes.data(), bytes.size());
        ::GlobalUnlock(hGlobal);
    }
    return hGlobal;
}

HGLOBAL MakePayload(const std::string& text)
{
    return MakeTruncatedPayload(text, sizeof(DWORD) + text.size());
}

HGLOBAL MakeTruncatedPayload(const std::string& text, SIZE_T nBytes)
{
    const DWORD nCount = static_cast<DWORD>(text.size());
    std::string record(reinterpret_cast<const char*>(&nCount), sizeof(nCount));
    record += text;
    return MakeBlock(record.substr(0, nBytes));
}

std::string BlockBytes(HGLOBAL hGlobal)
{
    const SIZE_T nSize = ::GlobalSize(hGlobal);
    const char* pData = static_cast<const char*>(::GlobalLock(hGlobal));
    if (!pData)
        return std::string();
    std::string bytes(pData, nSize);
    ::GlobalUnlock(hGlobal);
    return bytes;
}

BOOL ReadPayload(COleDataObject* pDataObject, std::string* pText)
{
    HGLOBAL hGlobal = pDataObject->GetGlobalData(PayloadFormat());
    if (!hGlobal)
        return FALSE;
    const std::string bytes = BlockBytes(hGlobal);
    ::GlobalFree(hGlobal);
    DWORD nCount = 0;
    if (bytes.size() < sizeof(nCount))
        return FALSE;
    std::memcpy(&nCount, bytes.data(), sizeof(nCount));
    if (nCount > bytes.size() - sizeof(nCount))
        return FALSE;
    *pText = bytes.substr(sizeof(nCount), nCount);
    return TRUE;
}

// ---- CRecordingDropTarget ----

DROPEFFECT CRecordingDropTarget::Answer(const char* lpszWhat, COleDataObject* pDataObject, DWORD dwKeyState,
                                        CPoint point)
{
    m_log.push_back(std::string(lpszWhat) + " " + std::to_string(point.x) + "," + std::to_string(point.y) + " key " +
                    std::to_string(dwKeyState) + (pDataObject->IsDataAvailable(PayloadFormat()) ? " payload" : ""));
    if (m_hEntered)
        ::SetEvent(m_hEntered);
    return m_dropAnswer;
}

DROPEFFECT CRecordingDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return Answer("enter", pDataObject, dwKeyState, point);
}

DROPEFFECT CRecordingDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return Answer("over", pDataObject, dwKeyState, point);
}

BOOL CRecordingDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint)
{
    const BOOL bTaken = ReadPayload(pDataObject, &m_strDropped);
    m_log.push_back("drop " + std::to_string(dropEffect) + (bTaken ? " " + m_strDropped : " refused"));
    return bTaken;
}

DROPEFFECT CRecordingDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                          DROPEFFECT dropList, CPoint point)
{
    m_log.push_back("dropex default " + std::to_string(dropDefault) + " list " + std::to_string(dropList));
    if (!m_bUseDropEx)
        return COleDropTarget::OnDropEx(pWnd, pDataObject, dropDefault, dropList, point);
    return ReadPayload(pDataObject, &m_strDropped) ? m_dropAnswer : DROPEFFECT_NONE;
}

void CRecordingDropTarget::OnDragLeave(CWnd*)
{
    m_log.push_back("leave");
}

DROPEFFECT CRecordingDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return m_dropScroll;
}

int CRecordingDropTarget::CountOf(const std::string& prefix) const
{
    int nCount = 0;
    for (const std::string& entry : m_log)
        nCount += entry.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    return nCount;
}

// ---- CTestWnd ----

BEGIN_MESSAGE_MAP(CTestWnd, CWnd)
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

BOOL CTestWnd::CreateAt(const RECT& rect, LPCSTR lpszName)
{
    LPCSTR lpszClass = RegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, lpszClass, lpszName, WS_POPUP | WS_BORDER | WS_VISIBLE, rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr);
}
