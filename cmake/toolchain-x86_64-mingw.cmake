# The same sources for 64-bit Windows: the test build where the machine cannot run 32-bit code.
set(WINE_TARGET_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
