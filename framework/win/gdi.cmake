# GDI objects, device contexts, image lists and menus (engineer "gdi").
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GdiObject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaintDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClientDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Menu.cpp)

add_wine_test(framework_gdi_tests TIMEOUT 120
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/gdi/DCTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/gdi/GdiObjectTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/gdi/WindowDCTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/gdi/ImageListTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/gdi/MenuTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/gdi/GdiTests.rc
  LIBS framework)
