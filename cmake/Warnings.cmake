# One warning set for every target of the project: the library, the
# stand-ins, the tools, the tests, the benchmarks and the fuzz targets. It
# applies to every target defined after this file is included.
include_guard(GLOBAL)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wconversion;-Wno-sign-conversion>")
endif()
