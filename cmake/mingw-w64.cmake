# Cross-building for 64-bit Windows with Debian's mingw-w64 (POSIX thread model, so
# std::thread and std::mutex work). The C and C++ runtimes and winpthreads are
# linked in statically: the programs run with no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUMET_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUMET_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMET_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMET_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUMET_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Build steps and tests that run one of the Windows programs run it under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
