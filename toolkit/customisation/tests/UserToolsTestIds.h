// Resource and command ids of the user tools tests.
#pragma once

#define IDR_TEST_ARGUMENTS_MENU 200
#define ID_TEST_ARG_FILE 201
#define ID_TEST_ARG_FOLDER 202
#define IDR_TEST_DIR_MENU 210
#define ID_TEST_DIR_CURRENT 211

#define ID_TEST_TOOLS_ENTRY 32900
#define ID_TEST_FIRST_TOOL 33000
#define ID_TEST_LAST_TOOL 33004
#define ID_TEST_OPEN 32801
#define ID_TEST_SAVE 32802
