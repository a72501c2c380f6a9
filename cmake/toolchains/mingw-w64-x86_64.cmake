# Cross-compiles the editor for 64-bit Windows with MinGW-w64 (Debian's mingw-w64 package).
# The -posix compilers, because the -win32 ones have no std::mutex or std::thread. Everything
# is linked statically, so the programs need nothing beside Windows' own DLLs.
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wide-character Windows API throughout. Each program asks for its wide entry (wWinMain,
# wmain) with -municode itself: here it would also apply to CMake's compiler check, whose
# test program has a plain main.
add_compile_definitions(UNICODE _UNICODE)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# A release program carries no symbol table.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
