# Cross toolchain: x86_64 desktop Windows with mingw-w64 (posix thread model),
# the `windows` preset.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VOSTAREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(VOSTAREL_MINGW_LINKER_FLAGS "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
