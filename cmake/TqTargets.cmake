# One library target per folder. A folder holds include/<name>/ (public headers),
# src/ (sources) and tests/ (GoogleTest sources). Only the targets named in DEPS
# put their headers on the include path, so an include across a missing edge fails.

# -Wrestrict and friends give false positives in g++ 12 optimised std::string code.
set(TQ_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror
    -Wno-restrict -Wno-stringop-overflow -Wno-array-bounds -Wno-stringop-overread)

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

# tq_tests(NAME DIR <dir> DEPS ...): <dir>/tests/*.cpp become the test program NAME_tests,
# and each sub-folder <dir>/tests/<sub>/ a program NAME_<sub>_tests of its own, so that
# separate parts of a folder build and run their tests independently.
function(tq_tests name)
  cmake_parse_arguments(A "" "DIR" "DEPS" ${ARGN})
  if(NOT TQ_BUILD_TESTS)
    return()
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${A_DIR}/tests/*.cpp)
  if(tests)
    tq_test_program(${name}_tests "${tests}" ${A_DIR}/tests "${A_DEPS}")
  endif()
  file(GLOB subs LIST_DIRECTORIES true ${A_DIR}/tests/*)
  foreach(sub ${subs})
    if(IS_DIRECTORY ${sub})
      file(GLOB_RECURSE sub_tests CONFIGURE_DEPENDS ${sub}/*.cpp)
      get_filename_component(sub_name ${sub} NAME)
      if(sub_tests)
        tq_test_program(${name}_${sub_name}_tests "${sub_tests}" ${A_DIR}/tests "${A_DEPS}")
      endif()
    endif()
  endforeach()
endfunction()

function(tq_test_program exe sources include_dir deps)
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE ${deps} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${exe} PRIVATE ${include_dir} ${PROJECT_SOURCE_DIR}/testing/include)
  target_compile_definitions(${exe} PRIVATE
    TQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TQ_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  tq_warnings(${exe})
  gtest_discover_tests(${exe} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
