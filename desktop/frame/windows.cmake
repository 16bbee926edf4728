# The frame's windows (korvell_frame).
set(KORVELL_WINDOW_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/framewindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmabout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgymm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmlogin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainfrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/msgfrm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paintgradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/passwordbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowregistry.cpp)
