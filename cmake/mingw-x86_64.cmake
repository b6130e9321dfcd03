# The same sources for 64-bit Windows: used to run the Windows tests under 64-bit Wine
# on machines whose kernel cannot start 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KT_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
