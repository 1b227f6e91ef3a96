# The product: 32-bit Windows.
set(WINE_TARGET_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
