# Cross toolchain: 32-bit (i686) desktop Windows with mingw-w64 (posix thread
# model), the `windows32` preset: the device's pointer size, record layouts
# and stack-passed (stdcall) arguments.
#
# Exceptions are DWARF-2 unwinding here (libgcc_s_dw2-1), linked statically
# into every module like the rest of the runtime; no exception crosses a
# module boundary, so each module's own copy is enough.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VOSTAREL_MINGW_TRIPLE i686-w64-mingw32)
# WINAPI functions are stdcall here, and their symbols carry the argument
# bytes (_Name@N). The .def files name every export plainly, as the device's
# libraries do; --enable-stdcall-fixup lets such a plain name stand for its
# decorated symbol without a warning per export, and --kill-at keeps the
# decoration out of the export names of a module linked without a .def file.
set(VOSTAREL_MINGW_LINKER_FLAGS "-Wl,--enable-stdcall-fixup -Wl,--kill-at")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
