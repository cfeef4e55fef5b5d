# GoogleTest: the distribution's package natively; its sources compiled for the Windows build.
include(CTest)
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # googletest's own build defines GTest::gtest and GTest::gtest_main.
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# zova_test(name SOURCES... LIBS ...): one test binary, each GoogleTest case a ctest test.
function(zova_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  zova_warnings(${name})
  # Discovery would run the binary at build time; under Wine that is slow, so list the binary once.
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
