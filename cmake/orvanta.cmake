# Project-wide helpers for both build trees.

# Where the host tree writes the generated pictures, skins and texts, and where
# the win32 tree reads them from.
if(ORV_HOST)
  set(ORV_GEN_DIR ${CMAKE_BINARY_DIR}/generated CACHE PATH "generated assets")
else()
  set(ORV_GEN_DIR "" CACHE PATH "generated assets of the host tree")
  if(NOT ORV_GEN_DIR)
    message(FATAL_ERROR "the win32 tree needs -DORV_GEN_DIR=<host tree>/generated")
  endif()
  # This machine runs no 32-bit code: the x86_64 tree is the one run under
  # 64-bit Wine, the i686 tree builds the shipped 32-bit program file.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(ORV_WINE_TESTS ON)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-exec)
  else()
    set(ORV_WINE_TESTS OFF)
  endif()
  # One self-contained program file: no runtime DLL beside it.
  set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
  set(CMAKE_SHARED_LINKER_FLAGS "${CMAKE_SHARED_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Sources are UTF-8; the program's texts are GBK at run time, as the
  # narrow-character Windows functions take them on a Chinese system.
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=GBK>)
endif()
file(MAKE_DIRECTORY ${ORV_GEN_DIR})

# Warnings are errors in our own code; third-party targets do not call this.
function(orv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wno-missing-field-initializers)
endfunction()

# A test executable of our own, linked with googletest; in the win32 tree ctest
# runs it under Wine through the emulator.
function(orv_gtest name)
  add_executable(${name} ${ARGN})
  orv_warnings(${name})
  target_link_libraries(${name} PRIVATE orv_gtest_main)
  if(ORV_HOST OR ORV_WINE_TESTS)
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()
