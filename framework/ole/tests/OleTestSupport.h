// Shared by the OLE tests: OLE on the test thread, the tests' own clipboard format and
// payload record, a drop target that records what reaches it, and windows for real drags.
#pragma once
#include "ole/OleDataObject.h"
#include "ole/OleDataSource.h"
#include "ole/OleDropSource.h"
#include "ole/OleDropTarget.h"
#include "ole/OleInit.h"
#include "win/Wnd.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Every test runs with OLE initialised on its thread.
class OleTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FwOleInit()); }
    void TearDown() override { FwOleTerm(); }
};

// The payload's clipboard format, registered once per process.
CLIPFORMAT PayloadFormat();
// The payload record: a 32-bit byte count, then that many bytes of text.
HGLOBAL MakePayload(const std::string& text);
// The same record with only its first nBytes bytes: the count claims more than the block holds.
HGLOBAL MakeTruncatedPayload(const std::string& text, SIZE_T nBytes);
// A block holding exactly these bytes.
HGLOBAL MakeBlock(const std::string& bytes);
// Every byte of a block, as many as GlobalSize reports.
std::string BlockBytes(HGLOBAL hGlobal);
// The text of the payload record in pDataObject; FALSE when there is none or the record
// claims more bytes than its block holds.
BOOL ReadPayload(COleDataObject* pDataObject, std::string* pText);

// A drop target that answers m_dropAnswer, takes payloads at a drop and logs every call
// ("enter 10,20 key 1", "over ...", "leave", "dropex default 1 list 3", "drop 1 text").
class CRecordingDropTarget : public COleDropTarget {
public:
    DROPEFFECT m_dropAnswer = DROPEFFECT_COPY;
    DROPEFFECT m_dropScroll = DROPEFFECT_NONE;  // the answer to the scroll question
    BOOL m_bUseDropEx = FALSE;                  // answer OnDropEx instead of letting OnDrop run
    std::vector<std::string> m_log;
    std::string m_strDropped;
    HANDLE m_hEntered = nullptr;  // set at every enter or over, when given

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

    // The calls logged so far whose text starts with prefix.
    int CountOf(const std::string& prefix) const;

private:
    DROPEFFECT Answer(const char* lpszWhat, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
};

// A plain top-level window that is never activated, so drags in these tests take no
// focus from other programs.
class CTestWnd : public CWnd {
public:
    BOOL CreateAt(const RECT& rect, LPCSTR lpszName);

protected:
    int OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }
    DECLARE_MESSAGE_MAP()
};
