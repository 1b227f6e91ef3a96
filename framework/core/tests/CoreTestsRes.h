#pragma once
#define IDS_GREETING 101
#define IDS_FORMAT 102
#define IDS_EMPTY_NEIGHBOUR 103
#define IDS_HIGH_ID 4100
