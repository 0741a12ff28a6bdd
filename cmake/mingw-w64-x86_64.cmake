# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread and std::mutex need) and runs what it builds under
# Wine, so that ctest and gtest_discover_tests work as on a native build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTRUNE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTRUNE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRUNE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRUNE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRUNE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread linked in, so that Wine (or a Windows
# machine) needs none of MinGW's DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(KESTRUNE_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTRUNE_WINE})

# List the tests when ctest runs, not when they are built: building then needs
# no Wine prefix, and the listing runs in the prefix that the tests run in.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
