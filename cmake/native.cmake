# Native build: the core against the recording fake, and the unit tests.
find_package(GTest REQUIRED)

add_library(platform_fake STATIC platform/fake/fake_platform.cpp)

add_executable(unit_tests
  tests/unit/launch_name_test.cpp
  tests/unit/profiles_test.cpp
  tests/unit/connection_file_test.cpp
  tests/unit/launch_sequence_test.cpp
  tests/unit/cp1251.cpp)
# The core and the fake need each other: link them as one group.
target_link_libraries(unit_tests PRIVATE
  -Wl,--start-group launcher_core platform_fake -Wl,--end-group
  GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 30)
target_compile_definitions(unit_tests PRIVATE
  FIXTURE_DIR="${CMAKE_SOURCE_DIR}/tests/unit/fixtures"
  LAUNCHER_HOST_A="${LAUNCHER_HOST_A}"
  LAUNCHER_HOST_B="${LAUNCHER_HOST_B}"
  LAUNCHER_HOST_C="${LAUNCHER_HOST_C}"
  LAUNCHER_HOST_D="${LAUNCHER_HOST_D}"
  LAUNCHER_HOST_E="${LAUNCHER_HOST_E}")
