#pragma once
// Resources of the context menu manager tests (beside the toolbar tests' ids).
#define IDR_TEST_CONTEXT_EDIT 600
#define IDR_TEST_CONTEXT_VIEW 601
#define IDR_TEST_CONTEXT_EMPTY 602
#define ID_TEST_CONTEXT_ZOOM 0x9101
#define ID_TEST_CONTEXT_GRID 0x9102
