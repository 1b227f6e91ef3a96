#include "customisation/WTKMaskEdit.h"
#include "foundation/WTKFlagScope.h"
#include "foundation/WTKUserSignals.h"
#include "win/MessageMap.h"
#include <algorithm>
#include <cctype>

IMPLEMENT_DYNAMIC(CWTKMaskEdit, CEdit)

BEGIN_MESSAGE_MAP(CWTKMaskEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONUP()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdateText)
    ON_CONTROL_REFLECT(EN_SETFOCUS, OnTakeFocus)
END_MESSAGE_MAP()

namespace {

constexpr char kEditable = '_';

BOOL IsKeyDown(int nVirtKey)
{
    return ::GetKeyState(nVirtKey) < 0;
}

BOOL IsPrintable(UINT nChar)
{
    return nChar >= 0x20 && nChar != 0x7F && nChar <= 0xFF;
}

}  // namespace

// ---- Set-up and value ----

BOOL CWTKMaskEdit::EnableMask(LPCSTR lpszMask, LPCSTR lpszTemplate, char chPrompt, LPCSTR lpszValid)
{
    CString strMask(lpszMask != nullptr ? lpszMask : "");
    CString strTemplate(lpszTemplate != nullptr ? lpszTemplate : "");
    if (strMask.IsEmpty() || strMask.GetLength() != strTemplate.GetLength()) {
        DisableMask();
        return FALSE;
    }
    m_strMask = strMask;
    m_strTemplate = strTemplate;
    m_chPrompt = chPrompt;
    SetValidChars(lpszValid);
    m_strValue = m_strTemplate;
    m_strValue.Replace(kEditable, m_chPrompt);
    ShowRange(0, -1);
    return TRUE;
}

void CWTKMaskEdit::DisableMask()
{
    m_strMask.Empty();
    m_strTemplate.Empty();
    m_chPrompt = kDefaultPrompt;
}

void CWTKMaskEdit::SetValidChars(LPCSTR lpszValid)
{
    m_strValid = lpszValid != nullptr ? lpszValid : "";
}

BOOL CWTKMaskEdit::SetValue(LPCSTR lpszValue, BOOL bWithLiterals)
{
    CString strResult;
    if (!ParseValue(CString(lpszValue != nullptr ? lpszValue : ""), bWithLiterals, strResult))
        return FALSE;
    m_strValue = strResult;
    ShowRange(0, -1);
    return TRUE;
}

BOOL CWTKMaskEdit::ParseValue(const CString& strText, BOOL bWithLiterals, CString& strResult) const
{
    if (!HasMask()) {
        strResult = strText;
        return TRUE;
    }
    const int nEditable = [&] {
        int n = 0;
        for (int i = 0; i < m_strTemplate.GetLength(); i++)
            n += m_strTemplate[i] == kEditable ? 1 : 0;
        return n;
    }();
    if (strText.GetLength() > (bWithLiterals ? m_strTemplate.GetLength() : nEditable))
        return FALSE;

    strResult = m_strTemplate;
    strResult.Replace(kEditable, m_chPrompt);
    int iText = 0;
    for (int nPos = 0; nPos < m_strTemplate.GetLength() && iText < strText.GetLength(); nPos++) {
        const char ch = strText[iText];
        if (IsEditable(nPos)) {
            if (ch != m_chPrompt && !IsAcceptable(nPos, ch))
                return FALSE;
            strResult.SetAt(nPos, ch);
            iText++;
        } else if (bWithLiterals) {
            if (ch != m_strTemplate[nPos])
                return FALSE;
            iText++;
        }
    }
    return TRUE;
}

BOOL CWTKMaskEdit::IsMaskedChar(char chChar, char chMaskChar) const
{
    const unsigned char ch = static_cast<unsigned char>(chChar);
    switch (chMaskChar) {
    case 'D':
        return std::isdigit(ch) != 0;
    case 'L':
        return std::isalpha(ch) != 0;
    case 'A':
        return std::isalnum(ch) != 0;
    case 'H':
        return std::isxdigit(ch) != 0;
    case 'C':
        return IsPrintable(ch);
    default:
        return FALSE;
    }
}

// ---- Positions and groups ----

int CWTKMaskEdit::GetLength() const
{
    return HasMask() ? m_strTemplate.GetLength() : GetWindowTextLength();
}

BOOL CWTKMaskEdit::IsEditable(int nPos) const
{
    if (!HasMask())
        return nPos >= 0 && nPos < GetLength();
    return nPos >= 0 && nPos < m_strTemplate.GetLength() && m_strTemplate[nPos] == kEditable;
}

BOOL CWTKMaskEdit::IsValidChar(char chChar) const
{
    return m_strValid.IsEmpty() || m_strValid.Find(chChar) >= 0;
}

BOOL CWTKMaskEdit::IsAcceptable(int nPos, char chChar) const
{
    return IsEditable(nPos) && IsValidChar(chChar) && IsMaskedChar(chChar, m_strMask[nPos]);
}

CWTKMaskEdit::Group CWTKMaskEdit::GroupAt(int nPos) const
{
    Group group;
    if (!IsEditable(nPos))
        return group;
    group.nBegin = nPos;
    while (IsEditable(group.nBegin - 1))
        group.nBegin--;
    group.nEnd = nPos + 1;
    while (IsEditable(group.nEnd))
        group.nEnd++;
    return group;
}

// The group holding the position just before nPos, else the first group at or after nPos.
CWTKMaskEdit::Group CWTKMaskEdit::FindGroupForward(int nPos) const
{
    if (!HasMask()) {
        Group whole;
        whole.nBegin = 0;
        whole.nEnd = GetLength();
        return whole;
    }
    if (IsEditable(nPos - 1))
        return GroupAt(nPos - 1);
    for (int i = std::max(nPos, 0); i < GetLength(); i++) {
        if (IsEditable(i))
            return GroupAt(i);
    }
    return Group();
}

// The group holding nPos, else the last group before it.
CWTKMaskEdit::Group CWTKMaskEdit::FindGroupBackward(int nPos) const
{
    if (!HasMask())
        return FindGroupForward(0);
    for (int i = std::min(nPos, GetLength() - 1); i >= 0; i--) {
        if (IsEditable(i))
            return GroupAt(i);
    }
    return Group();
}

// One past the last position of the run of equal mask characters that starts at nPos.
int CWTKMaskEdit::RunEnd(int nPos) const
{
    int nEnd = nPos;
    while (IsEditable(nEnd) && m_strMask[nEnd] == m_strMask[nPos])
        nEnd++;
    return nEnd;
}

// ---- Messages ----

int CWTKMaskEdit::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    (void)lpCreateStruct;
    if (HasMask())
        ShowRange(0, -1);
    return 0;
}

void CWTKMaskEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (IsPrintable(nChar) && !IsKeyDown(VK_CONTROL)) {
        char ch = static_cast<char>(nChar);
        if ((GetStyle() & ES_UPPERCASE) != 0)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        else if ((GetStyle() & ES_LOWERCASE) != 0)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        OnMaskedChar(ch);
        return;
    }
    // Backspace is handled as a key; its character must not reach the edit a second time.
    // (A typed "." is printable and went to the masked input above.)
    if (HasMask() && nChar == VK_BACK)
        return;
    Default();
}

void CWTKMaskEdit::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (!HasMask()) {
        Default();
        return;
    }
    if (!FirstGroup().IsValid()) {
        Beep();
        return;
    }
    const BOOL bShift = IsKeyDown(VK_SHIFT);
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    switch (nChar) {
    case VK_BACK:
        Delete(FALSE);
        return;
    case VK_DELETE:
        if (bShift)
            break;
        Delete(TRUE);
        return;
    case VK_INSERT:
        if (!bShift && !bCtrl)
            return;
        break;
    case VK_HOME:
        MoveHome();
        return;
    case VK_END:
        MoveEnd();
        return;
    case VK_LEFT:
    case VK_UP:
        MoveLeft(bShift, bCtrl);
        return;
    case VK_RIGHT:
    case VK_DOWN:
        MoveRight(bShift, bCtrl);
        return;
    default:
        break;
    }
    Default();
}

void CWTKMaskEdit::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
    if (!HasMask() || !m_bSelectByGroup)
        return;
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    Group group = FindGroupForward(nStart);
    if (!group.IsValid())
        group = FindGroupBackward(nStart);
    if (!group.IsValid())
        return;
    const int nNewStart = std::clamp(nStart, group.nBegin, group.nEnd);
    SetSel(nNewStart, std::clamp(nEnd, nNewStart, group.nEnd));
}

// Text that reached the edit other than through our keys (pasting, undo, WM_SETTEXT): kept
// only when the mask takes it.
void CWTKMaskEdit::OnUpdateText()
{
    if (m_bUpdating)
        return;
    CWTKFlagScope scope(m_bUpdating);
    CString strText;
    GetWindowText(strText);
    if (strText != m_strValue) {
        CString strResult;
        if (ParseValue(strText, TRUE, strResult)) {
            m_strValue = strResult;
        } else {
            Undo();
            EmptyUndoBuffer();
            Beep();
        }
    }
    GetWindowText(strText);
    if (strText != m_strValue) {
        SetWindowText(m_strValue);
        SelectInitial();
    }
}

void CWTKMaskEdit::OnTakeFocus()
{
    SelectInitial();
}

// ---- Input ----

void CWTKMaskEdit::OnMaskedChar(char chChar)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (!HasMask()) {
        if (IsValidChar(chChar))
            Default();
        else
            Beep();
        return;
    }
    if (nStart != nEnd) {
        if (SelectionInsideGroup(nStart, nEnd))
            TypeOverSelection(chChar, nStart, nEnd);
        return;
    }
    TypeAtCaret(chChar, nStart);
}

void CWTKMaskEdit::TypeAtCaret(char chChar, int nCaret)
{
    Group group = FindGroupForward(nCaret);
    if (!group.IsValid()) {
        Beep();
        return;
    }
    if (nCaret >= group.nEnd) {
        const Group next = FindGroupForward(group.nEnd + 1);
        if (!next.IsValid() || next.nBegin <= group.nBegin) {
            Beep();
            return;
        }
        group = next;
        nCaret = next.nBegin;
    }
    nCaret = std::max(nCaret, group.nBegin);
    if (!IsAcceptable(nCaret, chChar)) {
        Beep();
        return;
    }
    m_strValue.SetAt(nCaret, chChar);
    ShowRange(nCaret, nCaret + 1);
    int nNewCaret = nCaret + 1;
    if (nNewCaret == group.nEnd) {
        const Group next = FindGroupForward(group.nEnd + 1);
        if (next.IsValid() && next.nBegin > group.nBegin)
            nNewCaret = next.nBegin;
    }
    SetSel(nNewCaret, nNewCaret);
}

void CWTKMaskEdit::TypeOverSelection(char chChar, int nStart, int nEnd)
{
    if (!IsAcceptable(nStart, chChar)) {
        Beep();
        return;
    }
    const int nRunEnd = RunEnd(nStart);
    if (nRunEnd < nEnd) {
        Beep();
        return;
    }
    WriteRun(nStart, nRunEnd, CString(chChar, 1) + m_strValue.Mid(nEnd, nRunEnd - nEnd));
    SetSel(nStart + 1, nStart + 1);
}

// ---- Deletion ----

void CWTKMaskEdit::Delete(BOOL bForward)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart != nEnd)
        DeleteSelection(nStart, nEnd);
    else if (bForward)
        DeleteForward(nStart);
    else
        DeleteBackward(nStart);
}

void CWTKMaskEdit::DeleteBackward(int nCaret)
{
    const Group group = FindGroupForward(nCaret);
    if (!group.IsValid() || nCaret <= group.nBegin) {
        const Group previous = FindGroupBackward((group.IsValid() ? group.nBegin : nCaret) - 1);
        if (!previous.IsValid()) {
            Beep();
            return;
        }
        SetSel(previous.nEnd, previous.nEnd);
        return;
    }
    if (RemoveFromRun(nCaret - 1, nCaret))
        SetSel(nCaret - 1, nCaret - 1);
}

void CWTKMaskEdit::DeleteForward(int nCaret)
{
    const Group group = FindGroupForward(nCaret);
    if (!group.IsValid() || nCaret >= group.nEnd || !IsEditable(nCaret)) {
        Beep();
        return;
    }
    if (RemoveFromRun(nCaret, nCaret + 1))
        SetSel(nCaret, nCaret);
}

void CWTKMaskEdit::DeleteSelection(int nStart, int nEnd)
{
    if (!IsEditable(nStart)) {
        Beep();
        return;
    }
    const int nRunEnd = RunEnd(nStart);
    if (nRunEnd < nEnd) {
        Beep();
        SetSel(nStart, nRunEnd);
        return;
    }
    if (RemoveFromRun(nStart, nEnd))
        SetSel(nStart, nStart);
}

// Removes [nStart, nEnd), which lies inside one run of equal mask characters: the rest of the
// run moves left and prompt characters fill its end. Nothing changes when a moved character
// would not fit.
BOOL CWTKMaskEdit::RemoveFromRun(int nStart, int nEnd)
{
    const int nRunEnd = RunEnd(nStart);
    const CString strRest = m_strValue.Mid(nEnd, nRunEnd - nEnd);
    for (int i = 0; i < strRest.GetLength(); i++) {
        const char ch = strRest[i];
        if (ch != m_chPrompt && !IsAcceptable(nStart + i, ch)) {
            Beep();
            return FALSE;
        }
    }
    WriteRun(nStart, nRunEnd, strRest);
    return TRUE;
}

// Stores strRun at nStart, prompt characters after it up to nRunEnd, and shows the range.
void CWTKMaskEdit::WriteRun(int nStart, int nRunEnd, const CString& strRun)
{
    for (int i = nStart; i < nRunEnd; i++) {
        const int iRun = i - nStart;
        m_strValue.SetAt(i, iRun < strRun.GetLength() ? strRun[iRun] : m_chPrompt);
    }
    ShowRange(nStart, nRunEnd);
}

// ---- Moves ----

void CWTKMaskEdit::MoveHome()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    Group group = FindGroupBackward(nStart);
    if (!group.IsValid())
        group = FirstGroup();
    SetSel(group.nBegin, group.nBegin);
}

void CWTKMaskEdit::MoveEnd()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    Group group = FindGroupForward(nEnd);
    if (!group.IsValid())
        group = LastGroup();
    SetSel(group.nEnd, group.nEnd);
}

void CWTKMaskEdit::MoveLeft(BOOL bShift, BOOL bCtrl)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    const Group group = FindGroupForward(nStart);
    if (bCtrl) {
        const Group target = FindGroupBackward(nStart - 1);
        if (!target.IsValid() || (target.nBegin == nStart && target.nEnd == nEnd)) {
            Beep();
            return;
        }
        SetSel(target.nBegin, target.nEnd);
        return;
    }
    if (bShift) {
        int nNewStart = std::max(nStart - 1, 0);
        if (m_bSelectByGroup && group.IsValid())
            nNewStart = std::max(nNewStart, group.nBegin);
        SetSel(nNewStart, nEnd);
        return;
    }
    if (!group.IsValid()) {
        Beep();
        return;
    }
    if (nStart == nEnd && nStart <= group.nBegin) {
        const Group previous = FindGroupBackward(group.nBegin - 1);
        if (!previous.IsValid()) {
            Beep();
            return;
        }
        SetSel(previous.nEnd, previous.nEnd);
        return;
    }
    const int nCaret = std::clamp(nStart - 1, group.nBegin, group.nEnd);
    SetSel(nCaret, nCaret);
}

void CWTKMaskEdit::MoveRight(BOOL bShift, BOOL bCtrl)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (bCtrl) {
        const Group target = FindGroupForward(nEnd + 1);
        if (!target.IsValid() || (target.nBegin == nStart && target.nEnd == nEnd)) {
            Beep();
            return;
        }
        SetSel(target.nBegin, target.nEnd);
        return;
    }
    const Group group = FindGroupForward(nEnd);
    if (bShift) {
        int nNewEnd = std::min(nEnd + 1, GetLength());
        if (m_bSelectByGroup && group.IsValid())
            nNewEnd = std::min(nNewEnd, group.nEnd);
        SetSel(nStart, nNewEnd);
        return;
    }
    if (!group.IsValid()) {
        Beep();
        return;
    }
    if (nStart == nEnd && nEnd >= group.nEnd) {
        const Group next = FindGroupForward(group.nEnd + 1);
        if (!next.IsValid() || next.nBegin <= group.nBegin) {
            Beep();
            return;
        }
        SetSel(next.nBegin, next.nBegin);
        return;
    }
    const int nCaret = std::clamp(nEnd + 1, group.nBegin, group.nEnd);
    SetSel(nCaret, nCaret);
}

// ---- Helpers ----

BOOL CWTKMaskEdit::SelectionInsideGroup(int nStart, int nEnd)
{
    const Group group = FindGroupForward(nStart);
    if (group.IsValid() && nStart >= group.nBegin && nEnd <= group.nEnd)
        return TRUE;
    Beep();
    if (group.IsValid())
        SetSel(group.nBegin, group.nEnd);
    return FALSE;
}

// Puts the stored value's characters [nBegin, nEnd) into the window (nEnd -1: all of it).
void CWTKMaskEdit::ShowRange(int nBegin, int nEnd)
{
    if (m_hWnd == nullptr)
        return;
    CWTKFlagScope scope(m_bUpdating);
    if (nEnd < 0 || GetWindowTextLength() != m_strValue.GetLength()) {
        SetWindowText(m_strValue);
        return;
    }
    SetSel(nBegin, nEnd, TRUE);
    ReplaceSel(m_strValue.Mid(nBegin, nEnd - nBegin));
}

void CWTKMaskEdit::SelectInitial()
{
    const Group first = FirstGroup();
    if (HasMask() && m_bSelectByGroup && first.IsValid())
        SetSel(first.nBegin, first.nEnd);
    else
        SetSel(0, -1);
}

void CWTKMaskEdit::Beep()
{
    WTKBeep(MB_OK);
}
