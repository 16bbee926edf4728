korvell_add_test(test_loadreport
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/report_loadreport_test.cpp
  LIBS korvell_report test_support)
