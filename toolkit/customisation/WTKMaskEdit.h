// CWTKMaskEdit: an edit control that takes input only in the editable positions of a mask.
//
// The input template is the text shown: "_" marks each editable position, every other character
// is a literal shown as it is. The mask holds one character per template position; at an
// editable position it names the characters the position takes:
//   'D'  a digit 0-9
//   'L'  a letter A-Z or a-z
//   'A'  a letter or a digit
//   'H'  a hexadecimal digit 0-9, A-F, a-f
//   'C'  any printable character
// Any other mask character takes nothing; at literal positions the mask character is not read
// (a space by convention). Empty editable positions show the prompt character, "_" unless told
// otherwise. A list of valid characters, when not empty, narrows what every position takes.
// Example: mask "  DDD  DDD DDDD", template "(___) ___-____" for a telephone number.
#pragma once
#include "win/Edit.h"
#include "core/String.h"

class CWTKMaskEdit : public CEdit {
    DECLARE_DYNAMIC(CWTKMaskEdit)
public:
    static constexpr char kDefaultPrompt = '_';

    // lpszMask and lpszTemplate must be equally long (else the mask is switched off and FALSE
    // returned). The value becomes the empty template.
    BOOL EnableMask(LPCSTR lpszMask, LPCSTR lpszTemplate, char chPrompt = kDefaultPrompt, LPCSTR lpszValid = nullptr);
    void DisableMask();
    void SetValidChars(LPCSTR lpszValid = nullptr);
    // Moves and the mouse then select whole groups of editable positions.
    void EnableSelectByGroup(BOOL bEnable = TRUE) { m_bSelectByGroup = bEnable; }

    // Stores a value (and shows it when the window exists). With literals the text is compared
    // with the whole template; without, it fills only the editable positions. A text the mask
    // refuses, or one longer than allowed, leaves the stored value as it was (FALSE).
    BOOL SetValue(LPCSTR lpszValue, BOOL bWithLiterals = TRUE);
    const CString& GetValue() const { return m_strValue; }

protected:
    // Whether chChar may stand where the mask holds chMaskChar.
    virtual BOOL IsMaskedChar(char chChar, char chMaskChar) const;

    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnUpdateText();
    void OnTakeFocus();
    DECLARE_MESSAGE_MAP()

private:
    struct Group {
        int nBegin = -1;
        int nEnd = -1;  // one past the last editable position
        BOOL IsValid() const { return nBegin >= 0; }
    };

    BOOL HasMask() const { return !m_strMask.IsEmpty(); }
    int GetLength() const;
    BOOL IsEditable(int nPos) const;
    BOOL IsAcceptable(int nPos, char chChar) const;
    BOOL IsValidChar(char chChar) const;
    Group GroupAt(int nPos) const;
    Group FindGroupForward(int nPos) const;
    Group FindGroupBackward(int nPos) const;
    Group FirstGroup() const { return FindGroupForward(0); }
    Group LastGroup() const { return FindGroupBackward(GetLength() - 1); }
    int RunEnd(int nPos) const;
    BOOL ParseValue(const CString& strText, BOOL bWithLiterals, CString& strResult) const;

    void OnMaskedChar(char chChar);
    void TypeAtCaret(char chChar, int nCaret);
    void TypeOverSelection(char chChar, int nStart, int nEnd);
    void Delete(BOOL bForward);
    void DeleteBackward(int nCaret);
    void DeleteForward(int nCaret);
    void DeleteSelection(int nStart, int nEnd);
    BOOL RemoveFromRun(int nStart, int nEnd);
    void WriteRun(int nStart, int nRunEnd, const CString& strRun);
    void MoveLeft(BOOL bShift, BOOL bCtrl);
    void MoveRight(BOOL bShift, BOOL bCtrl);
    void MoveHome();
    void MoveEnd();
    BOOL SelectionInsideGroup(int nStart, int nEnd);
    void ShowRange(int nBegin, int nEnd);
    void SelectInitial();
    static void Beep();

    CString m_strMask;
    CString m_strTemplate;
    char m_chPrompt = kDefaultPrompt;
    CString m_strValid;
    CString m_strValue;
    BOOL m_bSelectByGroup = FALSE;
    BOOL m_bUpdating = FALSE;  // our own text changes and the change handling do not re-enter
};
