// The record that a caller of LoadDialog allocates and zeroes, and that the barcode dialog
// fills when it ends with "Insert Barcode". 316 bytes, fixed layout.
#pragma once

#include <cstddef>
#include <cstdint>

struct InsertBarcodeData {
    char text[255];   // encoded string: at most 254 characters and a zero
    char font[53];    // face name: at most 52 characters and a zero
    int32_t size;     // whole points
    uint32_t colour;  // 0x00BBGGRR
};

static_assert(sizeof(InsertBarcodeData) == 316, "the record is 316 bytes");
static_assert(offsetof(InsertBarcodeData, font) == 255);
static_assert(offsetof(InsertBarcodeData, size) == 308);
static_assert(offsetof(InsertBarcodeData, colour) == 312);

// LoadDialog's results.
constexpr int kLoadDialogInserted = 1;
constexpr int kLoadDialogClosed = 2;
constexpr int kLoadDialogFailed = -1;
