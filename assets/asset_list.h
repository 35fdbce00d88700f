// The closed set of carried assets, in catalogue order, with the file each
// one is made from. Plain preprocessor text: the C++ side and the assembly
// that embeds the files expand the same list, so they cannot drift apart.
// The build finds the files on the assembler's include path: the generated
// assets of the host tree and the skin library's output folder.
#ifndef ORV_ASSETS_ASSET_LIST_H
#define ORV_ASSETS_ASSET_LIST_H

#define ORV_ASSET_LIST(X)                           \
  X(main_img1, "main_img1.bmp")                     \
  X(main_img2, "main_img2.bmp")                     \
  X(server_ini, "server_ini.ini")                   \
  X(btn_11, "btn_11.bmp")                           \
  X(btn_12, "btn_12.bmp")                           \
  X(btn_13, "btn_13.bmp")                           \
  X(btn_14, "btn_14.bmp")                           \
  X(btn_15, "btn_15.bmp")                           \
  X(btn_16, "btn_16.bmp")                           \
  X(btn_17, "btn_17.bmp")                           \
  X(btn_18, "btn_18.bmp")                           \
  X(btn_background_2_c, "btn_background_2_c.bmp")   \
  X(form_hotkey_v, "form_hotkey_v.bmp")             \
  X(icon_loginlogo_1, "icon_loginlogo_1.bmp")       \
  X(main_en, "main_en.bmp")                         \
  X(main_en_100, "main_en_100.bmp")                 \
  X(main_en_200, "main_en_200.bmp")                 \
  X(main_en_300, "main_en_300.bmp")                 \
  X(main_exp, "main_exp.bmp")                       \
  X(main_hp, "main_hp.bmp")                         \
  X(main_sp, "main_sp.bmp")                         \
  X(main_status_1, "main_status_1.bmp")             \
  X(preview_interface, "preview_interface.jpg")     \
  X(preview_server_list, "preview_server_list.jpg") \
  X(skin_01, "skin_01.she")                         \
  X(skin_02, "skin_02.she")                         \
  X(skin_03, "skin_03.she")                         \
  X(skin_04, "skin_04.she")                         \
  X(skin_05, "skin_05.she")                         \
  X(skin_06, "skin_06.she")                         \
  X(skin_07, "skin_07.she")                         \
  X(skin_08, "skin_08.she")                         \
  X(skin_09, "skin_09.she")                         \
  X(skin_10, "skin_10.she")                         \
  X(skin_library, "SkinH_EL.dll")

#endif
