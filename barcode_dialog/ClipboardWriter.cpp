#include "ClipboardWriter.h"

#include "DialogConstants.h"

#include <cstring>

namespace {

// A clipboard block: movable, shareable, zeroed, grown in whole steps, so a zero follows the text.
HGLOBAL MakeClipboardBlock(const CString& text)
{
    const SIZE_T length = static_cast<SIZE_T>(text.GetLength());
    const SIZE_T size = (length / Dravel::kClipboardBlockStep + 1) * Dravel::kClipboardBlockStep;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, size);
    if (block == nullptr)
        return nullptr;
    if (void* bytes = ::GlobalLock(block)) {
        std::memcpy(bytes, text.GetString(), length);
        ::GlobalUnlock(block);
    }
    return block;
}

}  // namespace

CClipboardWriter::CClipboardWriter(CWnd* pOwner) : m_bOpen(::OpenClipboard(pOwner->GetSafeHwnd()))
{
    if (m_bOpen)
        ::EmptyClipboard();
}

CClipboardWriter::~CClipboardWriter()
{
    if (m_bOpen)
        ::CloseClipboard();
}

void CClipboardWriter::PutText(const CString& text)
{
    Put(CF_TEXT, text);
}

void CClipboardWriter::PutRichText(const CString& text, const CString& faceName)
{
    CString rich;
    rich.Format(Dravel::kRichTextFormat, faceName.GetString(), text.GetString());
    Put(::RegisterClipboardFormatA(Dravel::kRichTextFormatName), rich);
}

void CClipboardWriter::Put(UINT format, const CString& contents)
{
    if (!m_bOpen)
        return;
    // The clipboard owns a block it accepted; one it refused is still ours.
    HGLOBAL block = MakeClipboardBlock(contents);
    if (block != nullptr && ::SetClipboardData(format, block) == nullptr)
        ::GlobalFree(block);
}
