# Helpers shared by every folder's CMakeLists.txt.

# vantor_library(NAME folder DEPS libs...): one static library from the folder's sources.
# Headers are included as "folder/header.h" from the project root.
function(vantor_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(vantor_${name} STATIC ${sources})
  target_include_directories(vantor_${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
  target_link_libraries(vantor_${name} PUBLIC ${ARG_DEPS})
endfunction()

# vantor_test(NAME SOURCES files... DEPS libs...): a GoogleTest program registered with ctest.
function(vantor_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  # tests/test_main.cpp sets QT_QPA_PLATFORM=offscreen and VANTOR_INSTANT=1 for every test.
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/test_main.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE VANTOR_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# vantor_fuzzer(NAME SOURCE file DEPS libs... [CORPUS dir]): a fuzz target for a parser.
# In the fuzz build (clang) it is a libFuzzer program that ctest runs for VANTOR_FUZZ_SECONDS,
# seeded from the corpus folder when there is one. In the ordinary build the same entry point is
# linked with a small driver that replays the corpus and a few thousand pseudo-random inputs, so
# every crash once found stays a regression test.
function(vantor_fuzzer name)
  cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "DEPS" ${ARGN})
  set(dirs)
  if(ARG_CORPUS AND EXISTS ${ARG_CORPUS})
    list(APPEND dirs ${ARG_CORPUS})
  endif()
  if(VANTOR_FUZZ)
    add_executable(${name} ${ARG_SOURCE})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    file(MAKE_DIRECTORY ${work})
    # A fixed seed and a fixed number of runs make the test command repeatable; the time limit
    # only caps a slow machine. `make fuzz FUZZ_RUNS=0 FUZZ_SECONDS=600` explores freely.
    add_test(NAME ${name}
             COMMAND ${name} -seed=${VANTOR_FUZZ_SEED} -runs=${VANTOR_FUZZ_RUNS}
                     -max_total_time=${VANTOR_FUZZ_SECONDS} -rss_limit_mb=2048 -timeout=10
                     -print_final_stats=0 ${work} ${dirs})
  else()
    add_executable(${name} ${ARG_SOURCE} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    add_test(NAME ${name} COMMAND ${name} ${dirs})
  endif()
endfunction()
