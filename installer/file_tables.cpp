#include "file_tables.h"

namespace orv {

// Names keep the letter case the game uses: "Main_Img1c" with a small c,
// "Main_Img2C" with a capital C, "main_Status_1" with a small m.
const std::array<GameFileEntry, 4> loginSkinFiles = {{
    {"\\upimg\\Main_Img1c.bmp", "\\upimg\\Main_Img1c.back", AssetId::main_img1},
    {"\\upimg\\Main_Img1s.bmp", "\\upimg\\Main_Img1s.back", AssetId::main_img1},
    {"\\upimg\\Main_Img2C.bmp", "\\upimg\\Main_Img2C.back", AssetId::main_img2},
    {"\\upimg\\Main_Img2S.bmp", "\\upimg\\Main_Img2S.back", AssetId::main_img2},
}};

#define ORV_INTERFACE_FILE(name, id) \
  { "\\menu\\Skins\\default\\" name, "\\menu\\Skins\\default\\" name ".back", AssetId::id }

const std::array<GameFileEntry, 19> interfaceFiles = {{
    ORV_INTERFACE_FILE("Btn_11.bmp", btn_11),
    ORV_INTERFACE_FILE("Btn_12.bmp", btn_12),
    ORV_INTERFACE_FILE("Btn_13.bmp", btn_13),
    ORV_INTERFACE_FILE("Btn_14.bmp", btn_14),
    ORV_INTERFACE_FILE("Btn_15.bmp", btn_15),
    ORV_INTERFACE_FILE("Btn_16.bmp", btn_16),
    ORV_INTERFACE_FILE("Btn_17.bmp", btn_17),
    ORV_INTERFACE_FILE("Btn_18.bmp", btn_18),
    ORV_INTERFACE_FILE("Btn_BackGround_2_c.bmp", btn_background_2_c),
    ORV_INTERFACE_FILE("Form_HotKey_V.bmp", form_hotkey_v),
    ORV_INTERFACE_FILE("Icon_LoginLogo_1.bmp", icon_loginlogo_1),
    ORV_INTERFACE_FILE("Main_En.bmp", main_en),
    ORV_INTERFACE_FILE("Main_En_100.bmp", main_en_100),
    ORV_INTERFACE_FILE("Main_En_200.bmp", main_en_200),
    ORV_INTERFACE_FILE("Main_En_300.bmp", main_en_300),
    ORV_INTERFACE_FILE("Main_Exp.bmp", main_exp),
    ORV_INTERFACE_FILE("Main_Hp.bmp", main_hp),
    ORV_INTERFACE_FILE("Main_Sp.bmp", main_sp),
    ORV_INTERFACE_FILE("main_Status_1.bmp", main_status_1),
}};

#undef ORV_INTERFACE_FILE

}  // namespace orv
