#include "main_window_binding.h"

#include <memory>

#include "forms/form.h"
#include "installer/skin_installer.h"
#include "skinning/window_skinning.h"
#include "ui/preview_pane.h"

namespace orv {

MainWindowHandlers bindMainWindow(Form*& form) {
  // The installer works on the form once it exists; it lives as long as the handlers.
  auto installer = std::make_shared<std::unique_ptr<SkinInstaller>>();
  auto withInstaller = [&form, installer](void (SkinInstaller::*action)()) {
    return [&form, installer, action] {
      if (!form) return;
      if (!*installer) *installer = std::make_unique<SkinInstaller>(*form);
      ((**installer).*action)();
    };
  };
  auto preview = [&form](AssetId picture) {
    return [&form, picture] {
      if (form) showPreview(*form, picture);
    };
  };
  MainWindowHandlers h;
  h.created = onMainWindowCreated;
  h.browse = withInstaller(&SkinInstaller::browse);
  h.replace = withInstaller(&SkinInstaller::replace);
  h.restore = withInstaller(&SkinInstaller::restore);
  h.loginSkinChosen = preview(AssetId::main_img1);
  h.interfaceChosen = preview(AssetId::preview_interface);
  h.serverListChosen = preview(AssetId::preview_server_list);
  return h;
}

}  // namespace orv
