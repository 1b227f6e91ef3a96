#include "TextCopy.h"

#include <cstring>

#include "TopicTable.h"

int CopyToViewerBuffer(LPCSTR lpszText, LPSTR lpszBuffer)
{
    if (!lpszBuffer)
        return 0;
    if (!lpszText)
        lpszText = "";
    const size_t nLength = strnlen(lpszText, kTextBufferSize - 1);
    memcpy(lpszBuffer, lpszText, nLength);
    lpszBuffer[nLength] = '\0';
    return static_cast<int>(nLength);
}
