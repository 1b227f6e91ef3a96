// Resource and command ids of the colour tests.
#pragma once

#define IDR_COLOUR_TEST 100
#define IDW_COLOUR_TOOLBAR 0xE820
#define IDW_COLOUR_TEAROFF 0xE830
#define ID_COLOUR_TEXT 32800
#define ID_COLOUR_FILL 32801
#define ID_COLOUR_UNHANDLED 32802
#define ID_COLOUR_NO_UPDATE 32803
