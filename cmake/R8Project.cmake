# Shared build settings for project targets.

# Warnings as errors, sanitizers where asked, static runtime for Win32 so the
# DLL and the test programs load without the MinGW runtime DLLs beside them.
function(r8_project_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports false -Wrestrict hits inside libstdc++ string code at -O2.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    get_target_property(kind ${target} TYPE)
    if(kind STREQUAL "EXECUTABLE" OR kind STREQUAL "SHARED_LIBRARY" OR kind STREQUAL "MODULE_LIBRARY")
      target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
  endif()
  if(R8_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(R8_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  endif()
endfunction()

# A portable core library: no <windows.h>, built in every preset.
function(r8_core_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  r8_project_target(${target})
endfunction()

# GoogleTest from Debian's source package, built with the project's compiler
# (and sanitizer flags) so it links in both presets.
macro(r8_enable_gtest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    if(R8_SANITIZE AND NOT WIN32)
      add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
      add_link_options(-fsanitize=address,undefined)
    endif()
    add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
    include(GoogleTest)
  endif()
endmacro()

# A GoogleTest program. Natively each case becomes a ctest test; under Wine the
# whole program is one test, since every Wine process start costs seconds.
function(r8_add_gtest target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE gtest gtest_main)
  r8_project_target(${target})
  if(WIN32)
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    r8_wine_environment(${target})
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# The headless Wine prefix lives in the build folder; ./run setup creates it.
function(r8_wine_environment test)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;${R8_WINE_ENV}"
    TIMEOUT 600)
endfunction()
