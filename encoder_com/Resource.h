#pragma once

// Resources of Vantrix.dll.
#define IDS_PROJNAME 100
#define IDR_ENCODER 101
#define IDR_TYPELIB 1
