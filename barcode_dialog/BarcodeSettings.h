// The dialog's options as they lie in "tolvekvantrix.dat": one 56-byte record, little-endian,
// written and read byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

struct BarcodeSettings {
    int32_t humanReadable;   // check box 1001: faces with "T" appended
    int32_t checkCharacter;  // check box 1002: modulo-43 check character
    int32_t fullAscii;       // check box 1003: Full ASCII and the wide layout
    int32_t copyFontInfo;    // check box 1021: rich-text copy with the face name
    char tag[20];            // "VANTRIX_TAG" and its zero; the bytes after it mean nothing
    int32_t startStopIndex;  // 0 to 5
    int32_t sizeIndex;       // 0 to 4 = XS, S, M, L, XL
    int32_t pointSizeIndex;  // 0 = "5" ... 20 = "72"
    int32_t viewIndex;       // 0 names, 1 keyboard, 2 ASCII codes
    uint32_t colour;         // 0x00BBGGRR
};

static_assert(sizeof(BarcodeSettings) == 56, "the settings file is exactly one 56-byte record");
static_assert(offsetof(BarcodeSettings, humanReadable) == 0);
static_assert(offsetof(BarcodeSettings, checkCharacter) == 4);
static_assert(offsetof(BarcodeSettings, fullAscii) == 8);
static_assert(offsetof(BarcodeSettings, copyFontInfo) == 12);
static_assert(offsetof(BarcodeSettings, tag) == 16);
static_assert(offsetof(BarcodeSettings, startStopIndex) == 36);
static_assert(offsetof(BarcodeSettings, sizeIndex) == 40);
static_assert(offsetof(BarcodeSettings, pointSizeIndex) == 44);
static_assert(offsetof(BarcodeSettings, viewIndex) == 48);
static_assert(offsetof(BarcodeSettings, colour) == 52);
