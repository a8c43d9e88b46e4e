# libFuzzer targets (clang only).
#
# The fuzz preset compiles everything with -fsanitize=fuzzer-no-link,address,
# undefined so the libraries are instrumented for coverage; only the fuzz
# programs themselves link -fsanitize=fuzzer, which brings libFuzzer's main().
include_guard(GLOBAL)

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VOSTAREL_BUILD_FUZZ needs clang++ (libFuzzer); "
    "use the 'fuzz' preset. Compiler here: ${CMAKE_CXX_COMPILER_ID}")
endif()

# `cmake --build --preset fuzz` builds this target: every fuzzer and what it
# needs, nothing else.
add_custom_target(vostarel_fuzzers)

# vostarel_add_fuzzer(<name> <source>...)
#
# A fuzz program that defines LLVMFuzzerTestOneInput and links vostarel_index.
# It lands in <build>/tests/fuzz/<name>; tools/test.sh runs every program there
# briefly, seeded from tests/fuzz/corpus/<name>/ when that folder exists.
function(vostarel_add_fuzzer name)
  if(NOT ARGN)
    message(FATAL_ERROR "vostarel_add_fuzzer(${name}): no sources")
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE vostarel_index)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/fuzz")
  add_dependencies(vostarel_fuzzers ${name})
endfunction()
