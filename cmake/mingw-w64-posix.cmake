# Cross toolchain shared by both Windows presets: mingw-w64 with the posix
# thread model. The including toolchain file sets CMAKE_SYSTEM_PROCESSOR and
# VOSTAREL_MINGW_TRIPLE first.
#
# The posix-thread compilers are required: GoogleTest and std::thread need the
# winpthreads-based libstdc++.  Everything is linked so that the produced
# binaries need no mingw runtime DLLs (libstdc++-6, libgcc_s_seh-1 or
# libgcc_s_dw2-1, libwinpthread-1) at run time; Wine then runs them from the
# build tree as they are.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${VOSTAREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOSTAREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VOSTAREL_MINGW_TRIPLE}-windres)

# Headers, import libraries and packages come from the mingw sysroot only;
# build-time programs (python3, the emulator script) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VOSTAREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs: fully static.  DLLs: -static as well, because with the posix thread
# model -static-libgcc -static-libstdc++ alone still leaves an import of
# libwinpthread-1.dll; -static makes the linker take the archive of every
# library it can (system import libraries are archives too, so kernel32 & co.
# are still imported from their DLLs).
# Each function and object in a section of its own, and the linker drops
# the sections nothing reaches: the runtime linked in statically brings much
# that the library never calls (the 32-bit Vostarel.dll shrinks by a tenth).
# The tests run the same code the release ships.
set(CMAKE_C_FLAGS_INIT   "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(VOSTAREL_MINGW_LINKER_FLAGS "-Wl,--gc-sections ${VOSTAREL_MINGW_LINKER_FLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static ${VOSTAREL_MINGW_LINKER_FLAGS}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static ${VOSTAREL_MINGW_LINKER_FLAGS}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static ${VOSTAREL_MINGW_LINKER_FLAGS}")
