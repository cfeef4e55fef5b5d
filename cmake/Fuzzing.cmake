# ZOVA_FUZZ=ON (the fuzz preset; clang only) builds every target with libFuzzer's coverage,
# AddressSanitizer and UBSan, and zova_fuzzer() makes the fuzz targets of tests/fuzz. Each target
# has its seed corpus in tests/fuzz/corpus/<name>; scripts/fuzz.sh runs them.
option(ZOVA_FUZZ "Build the libFuzzer targets (clang)" OFF)
if(ZOVA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZOVA_FUZZ needs clang (libFuzzer); configure with the fuzz preset")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(zova_fuzzers)
endif()

# zova_fuzzer(name SOURCES... LIBS ...): one fuzz target, built with the fuzzers.
function(zova_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT EXISTS ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
    message(FATAL_ERROR "fuzz target ${name} has no seed corpus in tests/fuzz/corpus/${name}")
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  zova_warnings(${name})
  add_dependencies(zova_fuzzers ${name})
endfunction()
