# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads variant, which
# std::thread and GoogleTest need) and runs the results under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Headers, libraries and packages come from the mingw sysroot or from prefixes given explicitly
# (GTest_DIR, or Qt for Windows named in CMAKE_FIND_ROOT_PATH on the command line); build tools
# such as wine still come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without -static the programs need the compiler's DLLs next to them, and wine exits with
# status 53 without a word when they are missing.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian keeps wine64 out of PATH.
find_program(GAUGE_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(GAUGE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${GAUGE_WINE})
endif()
