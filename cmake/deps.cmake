# Third-party code, all from Debian's packages; built without our warning flags.

# googletest from its Debian source package, built for whichever tree this is.
set(gtest_disable_pthreads ${ORV_WIN32} CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_library(orv_gtest_main INTERFACE)
target_link_libraries(orv_gtest_main INTERFACE gtest gtest_main)

# The LZMA SDK's C sources from lzma-dev: the decoder in both trees, the
# encoder on the host for the skin generator.
set(ORV_LZMA_DIR /usr/include/lzma)
add_library(orv_lzma_dec STATIC ${ORV_LZMA_DIR}/LzmaDec.c)
target_include_directories(orv_lzma_dec SYSTEM PUBLIC ${ORV_LZMA_DIR})
target_compile_definitions(orv_lzma_dec PUBLIC _7ZIP_ST)
set_target_properties(orv_lzma_dec PROPERTIES POSITION_INDEPENDENT_CODE ON)
if(ORV_HOST)
  add_library(orv_lzma_enc STATIC ${ORV_LZMA_DIR}/LzmaEnc.c ${ORV_LZMA_DIR}/LzFind.c)
  target_include_directories(orv_lzma_enc SYSTEM PUBLIC ${ORV_LZMA_DIR})
  target_compile_definitions(orv_lzma_enc PUBLIC _7ZIP_ST)
endif()

# libjpeg: Debian's libjpeg-turbo on the host, the same sources cross-built by
# tools/setup.sh for the win32 tree.
if(ORV_HOST)
  find_package(JPEG REQUIRED)
  add_library(orv_jpeg INTERFACE)
  target_link_libraries(orv_jpeg INTERFACE JPEG::JPEG)
else()
  set(ORV_JPEG_PREFIX ${CMAKE_SOURCE_DIR}/build/deps/libjpeg-${CMAKE_SYSTEM_PROCESSOR} CACHE PATH "cross-built libjpeg-turbo")
  add_library(orv_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(orv_jpeg PROPERTIES
    IMPORTED_LOCATION ${ORV_JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${ORV_JPEG_PREFIX}/include)
endif()
