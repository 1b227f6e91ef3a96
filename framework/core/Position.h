// POSITION: an opaque place in a list or map, null at the end.
#pragma once

struct __POSITION {};
typedef __POSITION* POSITION;
