// Resource ids of the menu tests.
#pragma once

#define IDR_TEST_FILE_MENU 3101
#define ID_TEST_OPEN 100
#define ID_TEST_EXIT 101
