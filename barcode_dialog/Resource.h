// Resource ids of TolvekDravel.dll (shared by the .rc and the sources).
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_BARCODE_DIALOG       102
#define IDR_MAINFRAME            128
#define IDCUR_HAND               161

// String tables: control-character labels by view, and the copied notice.
#define IDS_CHAR_ASCII_FIRST     102
#define IDS_CHAR_NAME_FIRST      138
#define IDS_CHAR_KEYBOARD_FIRST  174
#define IDS_COPIED_NOTICE        210

#define IDC_HUMAN_READABLE       1001
#define IDC_CHECK_CHARACTER      1002
#define IDC_FULL_ASCII           1003
#define IDC_SIZE_XS              1004
#define IDC_SIZE_S               1005
#define IDC_SIZE_M               1006
#define IDC_SIZE_L               1007
#define IDC_SIZE_XL              1008
#define IDC_FONT_COMBO           1009
#define IDC_FONT_HELP            1010
#define IDC_START_STOP_FIRST     1011
#define IDC_START_STOP_LAST      1016
#define IDC_START_STOP_HELP      1017
#define IDC_DATA_EDIT            1018
#define IDC_ENCODED_DISPLAY      1019
#define IDC_ENCODE_COPY          1020
#define IDC_COPY_FONT_INFO       1021
#define IDC_PREVIEW              1022
#define IDC_COPY_CLIPBOARD       1024
#define IDC_CHAR_BUTTON_FIRST    1025
#define IDC_CHAR_BUTTON_LAST     1060
#define IDC_CHAR_BUTTON_LT       1058
#define IDC_CHAR_BUTTON_GT       1059
#define IDC_COPIED_NOTICE        1061
#define IDC_COLOR_SWATCH         1062
#define IDC_INSERT_BARCODE       1063
#define IDC_WEB_LINK             1079
#define IDC_CHAR_VIEW            1080
#define IDC_POINT_SIZE           3003
