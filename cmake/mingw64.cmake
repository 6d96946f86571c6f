# Cross toolchain for a 64-bit Windows build of the same sources. The product
# is the 32-bit DLL; this build runs the Wine tests on machines whose kernel
# cannot start 32-bit programs, and keeps the code free of pointer truncation.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The wine script picks the 32-bit loader whenever it is installed, even where
# it cannot run, so the 64-bit loader is named directly.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
set(R8_WINE_ENV "WINEARCH=win64;WINELOADER=/usr/lib/wine/wine64")
