# One library target per folder. A folder holds include/<name>/ (public headers),
# src/ (sources) and tests/ (GoogleTest sources). Only the targets named in DEPS
# put their headers on the include path, so an include across a missing edge fails.

set(TQ_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror)

function(tq_warnings target)
  target_compile_options(${target} PRIVATE ${TQ_WARNINGS})
endfunction()

# tq_library(NAME DIR <dir> [SHARED|STATIC] [DEPS ...] [TEST_DEPS ...])
function(tq_library name)
  cmake_parse_arguments(A "SHARED;STATIC" "DIR" "DEPS;TEST_DEPS" ${ARGN})
  if(NOT A_DIR)
    set(A_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${A_DIR}/src/*.cpp)
  set(kind STATIC)
  if(A_SHARED)
    set(kind SHARED)
  endif()
  add_library(${name} ${kind} ${srcs})
  target_include_directories(${name} PUBLIC ${A_DIR}/include)
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  tq_warnings(${name})
  tq_tests(${name} DIR ${A_DIR} DEPS ${name} ${A_TEST_DEPS})
endfunction()

# tq_tests(NAME DIR <dir> DEPS ...): <dir>/tests/*.cpp become one test program NAME_tests.
function(tq_tests name)
  cmake_parse_arguments(A "" "DIR" "DEPS" ${ARGN})
  if(NOT TQ_BUILD_TESTS)
    return()
  endif()
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${A_DIR}/tests/*.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(${name}_tests ${tests})
  target_link_libraries(${name}_tests PRIVATE ${A_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name}_tests PRIVATE ${A_DIR}/tests)
  target_compile_definitions(${name}_tests PRIVATE
    TQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TQ_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  tq_warnings(${name}_tests)
  gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
