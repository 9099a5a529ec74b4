# Native build: the core against the recording fake, and the unit tests.
find_package(GTest REQUIRED)

add_library(platform_fake STATIC platform/fake/fake_platform.cpp)

# The administrators' tool: the launcher's own launch-name and profile code
# behind a command line.
add_library(copies_core STATIC
  tools/copy_rows.cpp
  tools/csv.cpp
  tools/windows_1251.cpp)
add_executable(make_copies tools/make_copies.cpp tools/ansi_code_page.cpp)
target_link_libraries(make_copies PRIVATE copies_core launcher_core)

add_executable(unit_tests
  tests/unit/launch_name_test.cpp
  tests/unit/profiles_test.cpp
  tests/unit/connection_file_test.cpp
  tests/unit/launch_sequence_test.cpp
  tests/unit/copies_test.cpp
  tests/unit/cp1251.cpp)
# The core and the fake need each other: link them as one group.
target_link_libraries(unit_tests PRIVATE
  copies_core -Wl,--start-group launcher_core platform_fake -Wl,--end-group
  GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 30)
target_compile_definitions(unit_tests PRIVATE
  FIXTURE_DIR="${CMAKE_SOURCE_DIR}/tests/unit/fixtures"
  ${LAUNCHER_HOST_DEFINITIONS})

find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME make_copies
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/tools/test_make_copies.py)
set_tests_properties(make_copies PROPERTIES ENVIRONMENT
  "MAKE_COPIES=$<TARGET_FILE:make_copies>;${LAUNCHER_HOST_ENV}")

# Fuzz targets, each run briefly as a test; scripts/fuzz.sh runs them longer.
if(LAUNCHER_FUZZ)
  foreach(target launch copies)
    add_executable(fuzz_${target} tests/fuzz/fuzz_${target}.cpp)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${target} PRIVATE
      copies_core -Wl,--start-group launcher_core platform_fake -Wl,--end-group)
    add_test(NAME fuzz_${target} COMMAND fuzz_${target} -max_total_time=15)
  endforeach()
endif()
