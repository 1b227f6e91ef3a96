// A property list in a real frame, with properties the tests build, a recorder of the change
// notifications, and a property that counts its button presses.
#pragma once

#include "customisation/WTKPropList.h"

#include "docview/FrameWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "Files.h"

constexpr UINT kPropListTestId = 0x7101;

class CPropListTestFrame : public CFrameWnd {
public:
    std::vector<CWTKProp*> m_changes;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A value property with a button whose presses are counted.
class CCountingButtonProp : public CWTKProp {
public:
    CCountingButtonProp(const CString& strName, LPCSTR lpszValue) : CWTKProp(strName, lpszValue) {}
    BOOL HasButton() const override { return TRUE; }
    void OnClickButton(CPoint) override { m_nClicks++; }
    int m_nClicks = 0;
};

VARIANT MakeIntVariant(VARTYPE vt, int nValue);

// Sends a key to the list with Ctrl (and Alt) held in the thread's key state.
void SendKey(CWnd& wnd, UINT nKey, bool bCtrl = false);

class PropListTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Recreates the list at a client size.
    void CreateList(int cx, int cy, DWORD dwStyle = 0);
    // Groups "Appearance" (Caption, Colour name, Width) and "Behaviour" (Enabled, Zoom), then
    // "Name" at the top level.
    void AddSampleProps();
    // A flat run of nCount properties "Item 00"...
    void AddRows(int nCount);
    CPoint RowPoint(CWTKProp* pProp, bool bValue) const;
    void Click(CWTKProp* pProp, bool bValue);

    CPropListTestFrame* m_pFrame = nullptr;
    CWTKPropList* m_pList = nullptr;
    CWTKProp* m_pAppearance = nullptr;
    CWTKProp* m_pBehaviour = nullptr;
};
