# tervok_add_tests(<target> SOURCES ... LIBS ...)
# Builds one GoogleTest executable and registers its tests with CTest.
# Every test runs headless: Qt uses the offscreen platform.
function(tervok_add_tests target)
  if(NOT TERVOK_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # Each property value must be a single item: the discovered tests get their
  # properties as a flat list, so "A=1;B=2" would lose B. A test that waits
  # for ever (on a pipe, say) fails after five minutes instead.
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES
      TIMEOUT 300
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      ENVIRONMENT_MODIFICATION "TERVOK_SAMPLE_DIR=set:${TERVOK_SAMPLE_DIR}")
endfunction()

function(tervok_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # GCC 12 reports -Wrestrict inside libstdc++'s own string concatenation
  # when it inlines it (GCC bug 105329), in code that merely adds strings.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
