#pragma once

#define IDB_TEST_STRIP 201
#define IDR_TEST_MENU 202
#define ID_TEST_OPEN 100
#define ID_TEST_EXIT 101
