# The shipped program: 32-bit Windows, because the phone library is a 32-bit DLL.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KT_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
