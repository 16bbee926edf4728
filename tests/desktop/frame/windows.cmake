# The frame: headless procedures, login and toast logic; then the windows, offscreen.
korvell_add_test(frame_logic_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frame_coreapp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_login_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_passwordchange_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_passwords_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_procedures_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_stationfile_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_toastmachine_test.cpp
  LIBS test_support korvell_data)

find_package(Qt6 REQUIRED COMPONENTS Test)
korvell_add_test(frame_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frame_guiapp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_loginwindow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_mainwindow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_paintgradient_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_passwordwindow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_toastwindow_test.cpp
  LIBS test_support korvell_frame Qt6::Test)
