# Import libraries for the i686 build's DLLs.
#
# The .def files name every export plainly (SHFindMenuBar), as the device's
# libraries and the x86_64 build do. On i686 a WINAPI function is stdcall and
# its callers refer to it with the argument bytes appended (_SHFindMenuBar@4),
# while the import library that the linker writes from a plain .def offers
# only _SHFindMenuBar, so every caller would fail to link. Right after each
# DLL is linked, this rewrites its import library from the DLL itself: each
# exported name that the DLL defines as a decorated symbol gets that symbol,
# importing the plain name (dlltool --kill-at); other exports (cdecl, data)
# keep their plain symbols. The DLL is not touched.
#
# Included from the top-level CMakeLists.txt, it appends that step to the
# rule that links every shared library, when building for i686. Run as a
# script (cmake -P) it does the work:
#   -DDLL=<linked dll> -DIMPLIB=<import library>

if(CMAKE_SCRIPT_MODE_FILE)
  foreach(var DLL IMPLIB NM OBJDUMP DLLTOOL)
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "StdcallImports.cmake: -D${var}= is missing")
    endif()
  endforeach()
  execute_process(COMMAND "${OBJDUMP}" -p "${DLL}" OUTPUT_VARIABLE headers RESULT_VARIABLE rc1)
  execute_process(COMMAND "${NM}" --defined-only "${DLL}" OUTPUT_VARIABLE symbols RESULT_VARIABLE rc2)
  if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
    message(FATAL_ERROR "StdcallImports.cmake: cannot read ${DLL}")
  endif()
  # The export names: objdump's "[Ordinal/Name Pointer] Table", one
  # "[   n] Name" line each.
  string(FIND "${headers}" "[Ordinal/Name Pointer] Table" tableStart)
  if(tableStart LESS 0)
    return()  # exports nothing, so nothing imports from it
  endif()
  string(SUBSTRING "${headers}" ${tableStart} -1 table)
  string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [A-Za-z_][A-Za-z0-9_]*" entries "${table}")
  get_filename_component(dllName "${DLL}" NAME)
  set(def "LIBRARY ${dllName}\nEXPORTS\n")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".*\\] " "" name "${entry}")
    if(symbols MATCHES "[ \t]T _${name}@([0-9]+)\n")
      string(APPEND def "  ${name}@${CMAKE_MATCH_1}\n")
    else()
      string(APPEND def "  ${name}\n")
    endif()
  endforeach()
  file(WRITE "${IMPLIB}.def" "${def}")
  execute_process(COMMAND "${DLLTOOL}" --kill-at --input-def "${IMPLIB}.def" --dllname "${dllName}"
                          --output-lib "${IMPLIB}"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "StdcallImports.cmake: ${DLLTOOL} failed for ${dllName}")
  endif()
  return()
endif()

include_guard(GLOBAL)

if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  foreach(tool CMAKE_NM CMAKE_OBJDUMP CMAKE_DLLTOOL)
    if(NOT ${tool})
      message(FATAL_ERROR "${tool} is needed for the i686 import libraries")
    endif()
  endforeach()
  foreach(lang C CXX)
    list(APPEND CMAKE_${lang}_CREATE_SHARED_LIBRARY
      "\"${CMAKE_COMMAND}\" -DDLL=<TARGET> -DIMPLIB=<TARGET_IMPLIB> -DNM=${CMAKE_NM} -DOBJDUMP=${CMAKE_OBJDUMP} -DDLLTOOL=${CMAKE_DLLTOOL} -P \"${CMAKE_CURRENT_LIST_FILE}\"")
  endforeach()
endif()
