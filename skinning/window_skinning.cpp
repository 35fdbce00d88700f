#include "window_skinning.h"

#include <string>
#include <vector>

#include "assets/asset_store.h"
#include "external_call_table.h"
#include "services/file_services.h"

namespace orv {

namespace {
// The library's calling contract: 32-bit values, the callee removes them.
using AttachResFn = int(__stdcall*)(const void* skin, std::int32_t length, const char* text,
                                    std::int32_t, std::int32_t, std::int32_t);
using SetAeroFn = int(__stdcall*)(std::int32_t on);

// An entry's address as the function type of its contract.
template <typename Fn>
Fn entryAs(SkinEntry entry) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(boundEntry(entry)));
}

const std::string& libraryName() {
  static const std::string name = "\\SkinH_EL.dll";
  return name;
}
}  // namespace

void deploySkinLibrary() {
  const std::string path = programDirectory() + libraryName();
  if (fileExists(path)) return;  // whatever it is, it is left alone
  const AssetBytes library = AssetStore::lookup(AssetId::skin_library);
  writeFile(path, {ByteView{library.data, library.size}});
  setFileAttributes(path, 2);  // hidden and nothing else, also when the write failed
}

void attachWindowSkin(std::int32_t number) {
  deploySkinLibrary();
  const AssetBytes skin = AssetStore::skinFile(number);
  // The library takes what it needs before it returns; the copy lives only
  // across the call.
  std::vector<std::uint8_t> buffer(skin.data, skin.data + skin.size);
  auto attach = entryAs<AttachResFn>(SkinEntry::AttachRes);
  attach(buffer.empty() ? nullptr : buffer.data(), static_cast<std::int32_t>(buffer.size()), "", 0,
         0, 0);
}

void enableSkinAero() {
  deploySkinLibrary();
  auto setAero = entryAs<SetAeroFn>(SkinEntry::SetAero);
  setAero(1);
}

void onMainWindowCreated() {
  attachWindowSkin(3);
  enableSkinAero();
}

}  // namespace orv
