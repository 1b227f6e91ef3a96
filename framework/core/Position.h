// POSITION: an opaque place in a list or map, null at the end.
#pragma once

struct FwPositionTag {};
typedef FwPositionTag* POSITION;
