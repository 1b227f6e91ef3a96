# Windows, messages, application, dialogs and controls (engineer "win").
target_sources(framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CmdTarget.cpp ${CMAKE_CURRENT_LIST_DIR}/CmdUI.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThreadState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Wnd.cpp ${CMAKE_CURRENT_LIST_DIR}/WndDispatch.cpp ${CMAKE_CURRENT_LIST_DIR}/WndGdi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WinThread.cpp ${CMAKE_CURRENT_LIST_DIR}/WinApp.cpp ${CMAKE_CURRENT_LIST_DIR}/AppProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppDllMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShellLauncher.cpp ${CMAKE_CURRENT_LIST_DIR}/TickClock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Resources.cpp ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/DataExchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Button.cpp ${CMAKE_CURRENT_LIST_DIR}/ControlClasses.cpp ${CMAKE_CURRENT_LIST_DIR}/ToolTipCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColorDialog.cpp)

# A program that brings no WinMain links this to run its application object.
add_library(framework_winmain OBJECT ${CMAKE_CURRENT_LIST_DIR}/AppWinMain.cpp)
target_link_libraries(framework_winmain PUBLIC framework)

# A DLL with its own application object and resources, loaded by the tests.
add_library(fw_win_test_dll SHARED
  ${CMAKE_CURRENT_LIST_DIR}/tests/dll/TestDll.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/dll/TestDll.rc
  ${CMAKE_CURRENT_LIST_DIR}/tests/dll/TestDll.def)
target_link_libraries(fw_win_test_dll PRIVATE framework)
set_target_properties(fw_win_test_dll PROPERTIES PREFIX "")

add_wine_test(framework_win_tests TIMEOUT 120
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/WinTestApp.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/MessageMapTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/AppTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/DialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/ProfileTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/ControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tests/WinTests.rc
  LIBS framework)
# A program that runs through the framework's entry.
add_executable(fw_win_test_program WIN32 ${CMAKE_CURRENT_LIST_DIR}/tests/program/TestProgram.cpp)
target_link_libraries(fw_win_test_program PRIVATE framework_winmain framework)

add_dependencies(framework_win_tests fw_win_test_dll fw_win_test_program)
