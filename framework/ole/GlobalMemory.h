// Copies of global memory blocks, as the data of a drag travels: the copy has the size the
// system reports for the block (GlobalSize), so nothing is read past the block's end.
#pragma once
#include <windows.h>

// A new movable, shareable block with the bytes of hSource, which the caller frees; null
// when hSource is not a valid block, is empty, or memory runs out.
HGLOBAL FwCopyGlobalMemory(HGLOBAL hSource);
