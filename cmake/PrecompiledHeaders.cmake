# Precompiled headers: almost all of a translation unit's compile time goes to parsing the
# Windows headers and the standard library (about 160,000 lines each time). Two headers are
# compiled once per build tree and every C++ target reuses one of them: the product's (system
# and standard headers only, so that the layers' own headers stay out and the layering check
# keeps its meaning) and the test programs' (the same plus GoogleTest). GCC refuses a
# precompiled header silently when flags differ; -Winvalid-pch, which CMake adds to the users,
# turns that into a warning, and the build is warning-free.

set(GLYPHORA_PCH_HEADERS
  <windows.h> <commctrl.h> <commdlg.h> <shellapi.h> <objbase.h> <ole2.h> <oleauto.h> <mmsystem.h>
  <algorithm> <array> <climits> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring> <functional>
  <map> <memory> <new> <set> <string> <string_view> <utility> <vector>)

add_library(glyphora_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch/PchAnchor.cpp)
target_precompile_headers(glyphora_pch PRIVATE ${GLYPHORA_PCH_HEADERS})

# The test programs' own sources are compiled at -O1: they are not shipped, and the assertion
# macros cost most at the higher levels. What they test is built at the product's level.
set(GLYPHORA_TEST_OPTIMISATION -O1)

add_library(glyphora_test_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch/PchAnchor.cpp)
target_link_libraries(glyphora_test_pch PRIVATE gtest)
target_compile_options(glyphora_test_pch PRIVATE ${GLYPHORA_TEST_OPTIMISATION})
target_precompile_headers(glyphora_test_pch PRIVATE ${GLYPHORA_PCH_HEADERS} <gtest/gtest.h>)

# Every target of a folder and its subfolders.
function(glyphora_collect_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    glyphora_collect_targets(${sub} sub_targets)
    list(APPEND targets ${sub_targets})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Whether a target compiles C++; its C sources (the IDL compiler's) keep no header.
function(glyphora_prepare_sources target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(found FALSE)
  foreach(source ${sources})
    if(source MATCHES "\\.cpp$")
      set(found TRUE)
    elseif(source MATCHES "\\.c$")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir})
      set_property(SOURCE ${source} TARGET_DIRECTORY ${target} PROPERTY SKIP_PRECOMPILE_HEADERS ON)
      set_property(SOURCE ${source} TARGET_DIRECTORY ${target} PROPERTY SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Called once, after every folder is added: a target that links GoogleTest takes the test
# header and the test level, every other C++ target the product's header.
function(glyphora_use_precompiled_headers)
  glyphora_collect_targets(${CMAKE_SOURCE_DIR} targets)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$"
       OR target MATCHES "^(glyphora_pch|glyphora_test_pch|gtest|gtest_main)$")
      continue()
    endif()
    glyphora_prepare_sources(${target} has_cxx)
    if(NOT has_cxx)
      continue()
    endif()
    get_target_property(libs ${target} LINK_LIBRARIES)
    if("gtest" IN_LIST libs)
      target_compile_options(${target} PRIVATE ${GLYPHORA_TEST_OPTIMISATION})
      target_precompile_headers(${target} REUSE_FROM glyphora_test_pch)
    else()
      target_precompile_headers(${target} REUSE_FROM glyphora_pch)
    endif()
  endforeach()
endfunction()
