# Helpers shared by every folder's CMakeLists.

# korvell_add_library(NAME a.cpp b.cpp): a static library whose headers are included from the
# top of the tree: #include "platform/grid/sheetmodel.h"
function(korvell_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# korvell_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable; every TEST becomes a ctest case.
function(korvell_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # The environment goes through "cmake -E env": gtest_discover_tests flattens a list-valued
  # ENVIRONMENT property, so only its first variable would reach the tests.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env
    "QT_QPA_PLATFORM=offscreen" "KORVELL_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# korvell_add_bench(NAME SOURCES a.cpp LIBS lib1)
function(korvell_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
endfunction()

# korvell_add_fuzz(NAME SOURCE target.cpp LIBS lib1 INPUTS dir)
# dir/seeds holds the inputs fuzzing starts from, dir/regressions the inputs that once crashed the
# target (kept for good). With clang and KORVELL_FUZZ a libFuzzer binary, listed with its inputs in
# fuzz/targets.txt of the build for scripts/fuzz; otherwise a replay test that feeds both folders
# (and a few hostile inputs) through the same entry point under the sanitizers.
function(korvell_add_fuzz name)
  cmake_parse_arguments(F "" "SOURCE;INPUTS" "LIBS" ${ARGN})
  set(inputs ${CMAKE_CURRENT_SOURCE_DIR}/${F_INPUTS})
  if(NOT IS_DIRECTORY ${inputs}/seeds)
    message(FATAL_ERROR "${name}: no seeds in ${inputs}/seeds")
  endif()
  if(KORVELL_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(${name} ${F_SOURCE})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    set_property(GLOBAL APPEND_STRING PROPERTY KORVELL_FUZZ_TARGETS "$<TARGET_FILE:${name}>\t${inputs}\n")
  elseif(KORVELL_TESTS)
    add_executable(${name}_replay ${F_SOURCE} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_include_directories(${name}_replay PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name}_replay PRIVATE ${F_LIBS})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${inputs}/seeds ${inputs}/regressions)
    set_tests_properties(${name}_replay PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
  endif()
endfunction()
