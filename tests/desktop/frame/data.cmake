# Data access: classification, ExecSQL on both backends, recordsets, dates, the schema and seeds,
# nd.dsn, the script splitter and init-db.
korvell_add_test(data_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/data_classification_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_dsn_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_execsql_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_failure_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_initdb_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_schema_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_sqlscript_test.cpp
  LIBS test_support korvell_data PkgConfig::SODIUM)
target_compile_definitions(data_tests PRIVATE KORVELL_INITDB="$<TARGET_FILE:korvell-initdb>")
add_dependencies(data_tests korvell-initdb)
