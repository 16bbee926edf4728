# The shared procedures and the frame's logic that needs no window (part of korvell_data).
set(KORVELL_PROCEDURE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/login.cpp
  ${CMAKE_CURRENT_LIST_DIR}/passwordchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/passwords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/procedures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/programfolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/programtitle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/singlecopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stationfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/systemtools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toastmachine.cpp)
