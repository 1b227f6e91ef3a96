// CEdit: edit control.
#pragma once
#include "win/Wnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    void GetSel(int& nStartChar, int& nEndChar) const
    {
        SendMessage(EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar);
    }
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, (WPARAM)nStartChar, nEndChar);
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET);
    }
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, (WPARAM)nChars); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
    {
        *(LPWORD)lpszBuffer = (WORD)nMaxLength;
        return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
    }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)nLine); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, (WPARAM)nLine); }
    int LineFromChar(int nIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, (WPARAM)nIndex); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void SetMargins(UINT nLeft, UINT nRight)
    {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    void SetPasswordChar(char ch) { SendMessage(EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch); }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
};
