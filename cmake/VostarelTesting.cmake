# GoogleTest in both worlds, the Wine emulator for the Windows build, and
# vostarel_add_gtest() to register a test program.
#
# Included once from the top-level CMakeLists.txt, after project() and before
# any test target is created (targets copy CMAKE_CROSSCOMPILING_EMULATOR when
# they are made).
include_guard(GLOBAL)

set(VOSTAREL_TARGET_WINDOWS OFF)
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(VOSTAREL_TARGET_WINDOWS ON)
endif()

if(VOSTAREL_TARGET_WINDOWS)
  # --- Running .exe files: Wine, one prefix per build tree -----------------
  # The i686 build runs in a 32-bit prefix with the 32-bit loader, the x86_64
  # build in a 64-bit one (cmake/wine-run.sh --arch).
  set(VOSTAREL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH
      "Wine prefix used to run this build tree's programs (created on first use)")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VOSTAREL_WINEARCH win32)
  else()
    set(VOSTAREL_WINEARCH win64)
  endif()
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;--prefix;${VOSTAREL_WINEPREFIX};--arch;${VOSTAREL_WINEARCH}")
  endif()
  # For custom commands and scripts that run a built program by hand.
  set(VOSTAREL_WINE_RUN ${CMAKE_CROSSCOMPILING_EMULATOR})

  # --- GoogleTest from Debian's sources, built with the cross compiler ----
  set(VOSTAREL_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH
      "GoogleTest source tree to build for the Windows target")
  if(NOT EXISTS "${VOSTAREL_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "GoogleTest sources not found in "
      "${VOSTAREL_GOOGLETEST_SOURCE_DIR}; install the 'googletest' package")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  # Only matters for MSVC's runtime choice; with mingw the whole program is
  # linked -static anyway.  Set so the library and the tests always agree.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  # SYSTEM: GoogleTest's headers do not raise our warnings.  EXCLUDE_FROM_ALL:
  # built only when a test links it.  Defines GTest::gtest, GTest::gtest_main,
  # GTest::gmock and GTest::gmock_main, the names find_package gives natively.
  add_subdirectory("${VOSTAREL_GOOGLETEST_SOURCE_DIR}"
                   "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# vostarel_add_gtest(<target> [NO_MAIN] [SERIAL] [TIMEOUT <seconds>]
#                    [ARGS <arg>...])
#
# Links <target> with GoogleTest (GTest::gtest_main, or GTest::gtest with
# NO_MAIN for a program that defines its own main) and registers it with ctest.
#
# Natively every TEST() becomes its own ctest test (gtest_discover_tests).
#
# For Windows the whole program is one ctest test, run once through Wine.
# gtest_discover_tests would have to start the program under Wine at build
# time (POST_BUILD) or once per ctest run plus once per test (PRE_TEST); each
# Wine start costs a fraction of a second to seconds, and a wedged Wine during
# the build is worse than a failing test.  One run per program is fast and
# predictable; the program's own output (printed on failure) names the failed
# cases.
#
# SERIAL: the program must not run beside other tests (for programs that use
# the shared X display, focus or the foreground window).
# TIMEOUT: seconds before ctest kills it (default 300 natively per case,
# 900 for a whole Windows program).
# ARGS: extra command-line arguments for the program.
function(vostarel_add_gtest target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NO_MAIN;SERIAL" "TIMEOUT" "ARGS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vostarel_add_gtest: unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT TARGET ${target})
    message(FATAL_ERROR "vostarel_add_gtest: ${target} is not a target; call it after add_executable")
  endif()

  # Appended to the property rather than through target_link_libraries so the
  # caller may use either the keyword or the plain signature for its own links.
  if(arg_NO_MAIN)
    set_property(TARGET ${target} APPEND PROPERTY LINK_LIBRARIES GTest::gtest)
  else()
    set_property(TARGET ${target} APPEND PROPERTY LINK_LIBRARIES GTest::gtest_main)
  endif()

  set(props "")
  if(arg_SERIAL)
    list(APPEND props RUN_SERIAL TRUE)
  endif()

  if(VOSTAREL_TARGET_WINDOWS)
    if(NOT arg_TIMEOUT)
      set(arg_TIMEOUT 900)
    endif()
    if(TARGET vostarel_pointer_parked)
      set_property(TARGET ${target} APPEND PROPERTY LINK_LIBRARIES vostarel_pointer_parked)
    endif()
    add_test(NAME ${target} COMMAND ${target} --gtest_color=no ${arg_ARGS})
    set_tests_properties(${target} PROPERTIES
      TIMEOUT ${arg_TIMEOUT}
      LABELS windows
      ${props})
  else()
    if(NOT arg_TIMEOUT)
      set(arg_TIMEOUT 300)
    endif()
    gtest_discover_tests(${target}
      EXTRA_ARGS --gtest_color=no ${arg_ARGS}
      DISCOVERY_TIMEOUT 120
      PROPERTIES TIMEOUT ${arg_TIMEOUT} LABELS native ${props})
  endif()
endfunction()
