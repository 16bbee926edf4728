# Data access: nd.dsn, the per-thread connection, ExecSQL and its recordsets, the toast seam, the
# login state, and the loader of the database files (shared by init-db and the tests).
set(KORVELL_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/databasefiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/execsql.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loginstate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sqlscript.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toast.cpp
)

# len() is registered on every SQLite connection through the library itself.
find_package(SQLite3 REQUIRED)
cmake_language(DEFER CALL target_link_libraries korvell_data PRIVATE SQLite::SQLite3)

# korvell-initdb: creates the database nd.dsn names (scripts/init-db runs it).
add_executable(korvell-initdb ${CMAKE_CURRENT_LIST_DIR}/initdb_main.cpp)
target_link_libraries(korvell-initdb PRIVATE korvell_data)
target_compile_definitions(korvell-initdb PRIVATE KORVELL_DATABASE_DIR="${CMAKE_SOURCE_DIR}/database")
set_target_properties(korvell-initdb PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVELL_PROGRAM_DIR})
