// Text handed to the help viewer: it passes buffers of kTextBufferSize bytes and no length.
#pragma once
#include <windows.h>

// Copies at most kTextBufferSize - 1 characters of lpszText and a zero into lpszBuffer;
// the number of characters copied (0 for a null buffer, which is left alone).
int CopyToViewerBuffer(LPCSTR lpszText, LPSTR lpszBuffer);
