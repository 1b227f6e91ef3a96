// Resource ids of the toolkit's foundation. Its resources live in res/WTKFoundation.rc, which a
// program includes in its own resource script (a static library's resources are not linked).
#pragma once

#define IDS_WTK_INTERNAL_ERROR 16008
#define IDS_WTK_CANT_COPY_BITMAP 16010
#define IDB_WTK_MENU_GLYPHS 16129
