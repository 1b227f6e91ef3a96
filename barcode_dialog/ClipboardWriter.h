// The clipboard, opened and emptied for a window while the object lives, taking an encoded
// string as plain text and as rich text that names its barcode font.
#pragma once

#include "core/String.h"
#include "win/Wnd.h"

class CClipboardWriter {
public:
    explicit CClipboardWriter(CWnd* pOwner);
    ~CClipboardWriter();
    CClipboardWriter(const CClipboardWriter&) = delete;
    CClipboardWriter& operator=(const CClipboardWriter&) = delete;

    // Both do nothing when the clipboard could not be opened.
    void PutText(const CString& text);
    // A word processor pastes the text already in the font of that face, at 12 points.
    void PutRichText(const CString& text, const CString& faceName);

private:
    void Put(UINT format, const CString& contents);

    BOOL m_bOpen;
};
