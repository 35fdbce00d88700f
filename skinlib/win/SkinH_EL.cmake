# SkinH_EL.dll: the window skin library, one self-contained DLL of exactly the
# size of the catalogued library image (padded with zeros after the image).
set(ORV_SKINH_SIZE 88576)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(ATTACH_ALIAS "=SkinH_AttachRes@24")
  set(AERO_ALIAS "=SkinH_SetAero@4")
  set(DETACH_ALIAS "=SkinH_Detach@0")
else()
  set(ATTACH_ALIAS "")
  set(AERO_ALIAS "")
  set(DETACH_ALIAS "")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/SkinH_EL.def.in ${CMAKE_CURRENT_BINARY_DIR}/SkinH_EL.def @ONLY)

add_library(SkinH_EL SHARED
  ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/runtime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinH_EL.rc
  ${CMAKE_CURRENT_BINARY_DIR}/SkinH_EL.def)
orv_warnings(SkinH_EL)
set_target_properties(SkinH_EL PROPERTIES PREFIX "" OUTPUT_NAME SkinH_EL)
target_link_libraries(SkinH_EL PRIVATE orv_skin_format comctl32 gdi32 user32)
target_compile_options(SkinH_EL PRIVATE -Os -fno-exceptions -fno-rtti -fno-threadsafe-statics -ffunction-sections -fdata-sections)
target_link_options(SkinH_EL PRIVATE -s -Wl,--gc-sections -Wl,--exclude-all-symbols -Wl,--subsystem,windows)
add_custom_command(TARGET SkinH_EL POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:SkinH_EL> -DSIZE=${ORV_SKINH_SIZE}
          -P ${CMAKE_CURRENT_LIST_DIR}/pad_to_size.cmake
  VERBATIM)
