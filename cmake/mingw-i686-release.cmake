# The shipped program: 32-bit Windows with the -win32 compilers. The program starts no threads,
# so the -posix compilers' thread library (winpthreads) is left out.
set(KT_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
# The program catches no exception: one that escapes ends it (app/terminate_handler.cpp,
# app/throw_handlers.cpp). So its own code is built without exceptions and unwind tables, and
# unused sections are dropped. The test programs (GoogleTest needs exceptions) never use this.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
set(KT_DROP_UNWIND_TABLES ON)
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--gc-sections")
