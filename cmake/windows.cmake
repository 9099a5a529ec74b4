# Windows build: launcher.exe, the stand-in tools, and the tests that run the
# real executable under Wine.

# Small, static and reproducible: no debug info, no link timestamp; only
# Windows' own DLLs at run time; loadable from XP (5.1) on.
set(LAUNCHER_LINK_OPTIONS -static -s -mwindows -Wl,--gc-sections
  -Wl,--no-insert-timestamp)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND LAUNCHER_LINK_OPTIONS
    -Wl,--major-os-version,5 -Wl,--minor-os-version,1
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,1)
endif()

enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The icon is drawn by a script, so the repository holds its source, not
# a binary; the output is the same bytes on every build.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/resources/launcher.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/resources/make_icon.py
          ${CMAKE_BINARY_DIR}/resources/launcher.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icon.py
  COMMENT "Drawing the launcher icon")
set_source_files_properties(resources/launcher.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/resources/launcher.ico;${CMAKE_SOURCE_DIR}/resources/launcher.manifest")

add_executable(launcher
  launcher/main.cpp
  resources/launcher.rc
  platform/windows/desktop_folder.cpp
  platform/windows/file.cpp
  platform/windows/message_box.cpp
  platform/windows/module.cpp
  platform/windows/process.cpp
  platform/windows/terminate_handler.cpp
  platform/windows/unhandled_filter.cpp
  platform/windows/version.cpp)
# SHGetFolderPathA from SHFolder.dll, which every Windows from XP on has.
target_link_libraries(launcher PRIVATE launcher_core shfolder shell32 user32)
target_include_directories(launcher PRIVATE ${CMAKE_BINARY_DIR}/resources
  ${CMAKE_SOURCE_DIR}/resources)
target_link_options(launcher PRIVATE ${LAUNCHER_LINK_OPTIONS})

# Optional Authenticode signature: give the certificate and its private key
# (PEM, or the certificate as DER/SPC) and every build of launcher.exe is
# signed. A key with a pass phrase reads it from LAUNCHER_SIGN_PASS_FILE.
set(LAUNCHER_SIGN_CERT "" CACHE FILEPATH "Code-signing certificate for launcher.exe")
set(LAUNCHER_SIGN_KEY "" CACHE FILEPATH "Private key of the code-signing certificate")
set(LAUNCHER_SIGN_PASS_FILE "" CACHE FILEPATH "File holding the key's pass phrase, if any")
if(LAUNCHER_SIGN_CERT OR LAUNCHER_SIGN_KEY)
  if(NOT EXISTS "${LAUNCHER_SIGN_CERT}" OR NOT EXISTS "${LAUNCHER_SIGN_KEY}")
    message(FATAL_ERROR "signing needs both LAUNCHER_SIGN_CERT and LAUNCHER_SIGN_KEY as existing files")
  endif()
  find_program(OSSLSIGNCODE osslsigncode REQUIRED)
  add_custom_command(TARGET launcher POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:launcher> -DCERT=${LAUNCHER_SIGN_CERT}
            -DKEY=${LAUNCHER_SIGN_KEY} -DPASS_FILE=${LAUNCHER_SIGN_PASS_FILE}
            -DSIGNER=${OSSLSIGNCODE} -P ${CMAKE_SOURCE_DIR}/cmake/sign.cmake
    COMMENT "Signing launcher.exe")
endif()

# Stand-ins for cmdkey (a console tool) and mstsc (a GUI program): they
# record how they were started, so the tests can see it.
add_executable(standin_cmdkey tests/wine/standin.c)
set_target_properties(standin_cmdkey PROPERTIES OUTPUT_NAME cmdkey
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
add_executable(standin_mstsc tests/wine/standin.c)
set_target_properties(standin_mstsc PROPERTIES OUTPUT_NAME mstsc WIN32_EXECUTABLE ON
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
foreach(standin standin_cmdkey standin_mstsc)
  target_link_options(${standin} PRIVATE -static -s)
endforeach()

set(WINE_TEST_ENV
  "LAUNCHER_EXE=$<TARGET_FILE:launcher>"
  "STANDIN_DIR=${CMAKE_BINARY_DIR}/standins"
  "WINE_TEST_PREFIX=${CMAKE_BINARY_DIR}/wine-prefix"
  ${LAUNCHER_HOST_ENV}
  "MAKE_COPIES=${CMAKE_SOURCE_DIR}/build/native/make_copies")
foreach(area launch_name connection_file launch_sequence copies)
  add_test(NAME wine_${area}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/wine/test_${area}.py)
  set_tests_properties(wine_${area} PROPERTIES ENVIRONMENT "${WINE_TEST_ENV}"
    RESOURCE_LOCK wine_prefix TIMEOUT 900 SKIP_RETURN_CODE 77)
endforeach()

# Benchmark helpers (bench/run_benchmarks.py): a busy-polling wait to compare
# the launcher's blocking wait with, and a program that does nothing.
add_executable(bench_busy_wait EXCLUDE_FROM_ALL bench/busy_wait.c)
add_executable(bench_do_nothing EXCLUDE_FROM_ALL bench/do_nothing.c)
foreach(helper bench_busy_wait bench_do_nothing)
  set_target_properties(${helper} PROPERTIES WIN32_EXECUTABLE ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_options(${helper} PRIVATE -static -s)
endforeach()
add_custom_target(bench DEPENDS launcher bench_busy_wait bench_do_nothing
  standin_cmdkey standin_mstsc)

# Build checks of the shipped 32-bit executable.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  foreach(check headers imports size resources)
    add_test(NAME exe_${check}
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_executable.py
              ${check} $<TARGET_FILE:launcher>)
  endforeach()
  # A signed build carries a signature the unsigned rebuilds cannot match:
  # then only the two rebuilds are compared.
  if(LAUNCHER_SIGN_CERT)
    set(compared_exe none)
  else()
    set(compared_exe $<TARGET_FILE:launcher>)
  endif()
  add_test(NAME exe_reproducible
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_reproducible.py
            ${CMAKE_SOURCE_DIR} ${compared_exe} ${LAUNCHER_HOST_SETTINGS})
  add_test(NAME exe_signing
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_signing.py
            ${CMAKE_SOURCE_DIR})
  set_tests_properties(exe_reproducible exe_signing PROPERTIES TIMEOUT 600)
endif()
