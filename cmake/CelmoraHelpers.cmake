# SPDX-License-Identifier: AGPL-3.0-or-later

# celmora_logic_library(NAME SOURCES ... DEPS ...)
# A computation library: must never link Qt, directly or through anything it links.
# The check (cmake/CelmoraQtFree.cmake) keeps the boundary between logic and screens
# a folder boundary.
function(celmora_logic_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF CELMORA_LOGIC ON)
  # The whole link graph, checked once every directory has been read (a link added
  # later, or reached through another library, fails the configuration too).
  celmora_assert_qt_free(${name})
endfunction()

# celmora_ui_library(NAME SOURCES ... DEPS ...): screens of a subsystem (Qt).
function(celmora_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} Qt6::Widgets)
endfunction()

# Every test requires this fixture: CTest records the program folder before the first
# test and compares it after the last (tests/CMakeLists.txt), so that a whole run,
# parallel or not, is shown to leave the installed data as it was.
set(CELMORA_TEST_FIXTURE celmora_installed_data)

# celmora_add_test(NAME SOURCES ... DEPS ... [QT])
# GoogleTest binary registered with CTest; QT tests run on the offscreen platform.
function(celmora_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    CELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CELMORA_PROGRAM_DIR="${CELMORA_PROGRAM_DIR}"
    CELMORA_FIXTURE_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC"
               FIXTURES_REQUIRED ${CELMORA_TEST_FIXTURE}
    DISCOVERY_MODE PRE_TEST)
endfunction()

# celmora_add_qtest(NAME SOURCES ... DEPS ...): a Qt Test binary for screens.
function(celmora_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    CELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CELMORA_PROGRAM_DIR="${CELMORA_PROGRAM_DIR}"
    CELMORA_FIXTURE_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC"
                                          FIXTURES_REQUIRED ${CELMORA_TEST_FIXTURE})
endfunction()

# celmora_add_bench(NAME SOURCES ... DEPS ...)
# Benchmarks share the tests' doubles (tests/support), so tests/ is on their include path.
function(celmora_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE CELMORA_PROGRAM_DIR="${CELMORA_PROGRAM_DIR}"
    CELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# Adds the given subdirectories that exist (the tree grows subsystem by subsystem).
macro(celmora_add_existing_subdirs)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endmacro()
