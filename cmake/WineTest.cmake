# GoogleTest built for the target from the distribution's sources.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(WINE_TEST_TIMEOUT 300 CACHE STRING "Seconds one test program may run")

# One ctest entry per test program: every Wine start costs time.
# add_wine_test(name SOURCES ... [LIBS ...] [TIMEOUT s] [CLIPBOARD])
function(add_wine_test name)
  cmake_parse_arguments(T "CLIPBOARD" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE OFF)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT ${WINE_TEST_TIMEOUT})
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  # The clipboard is one per session: programs that use it take turns.
  if(T_CLIPBOARD)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK clipboard)
  endif()
endfunction()

# Test programs that drive their desktop's one mouse, keyboard focus, foreground or screen
# cannot share a desktop with other programs. Each is given one of a few extra desktops (an X
# display and a Wine prefix with its own server, which scripts/test starts), in turn, and runs
# alone on it; all other programs share the first desktop. Run outside scripts/test, the extra
# desktops are not there and these programs fall back to the first one: run them with -j1 then.
set(WINE_TEST_DESKTOPS 3 CACHE STRING "Extra desktops for the test programs that must run alone")
set_property(GLOBAL PROPERTY WINE_TEST_NEXT_DESKTOP 1)

function(wine_test_alone name)
  get_property(desktop GLOBAL PROPERTY WINE_TEST_NEXT_DESKTOP)
  set_property(TEST ${name} APPEND PROPERTY RESOURCE_LOCK desktop${desktop})
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT GLYPHORA_DESKTOP=${desktop})
  math(EXPR next "${desktop} % ${WINE_TEST_DESKTOPS} + 1")
  set_property(GLOBAL PROPERTY WINE_TEST_NEXT_DESKTOP ${next})
endfunction()
