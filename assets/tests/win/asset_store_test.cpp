// The store inside the program image: every lookup is the generated file,
// the same view each time, in read-only image memory; skin numbers.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <cstring>
#include <string>

#include "assets/asset_store.h"
#include "assets/tests/catalogue_table.h"
#include "assets/tests/test_files.h"
#include "services/file_services.h"

namespace orv::test {
namespace {

// The file an asset was made from, as this Windows program sees the host's folders.
std::string sourceFile(AssetId id) {
  const std::string dir = id == AssetId::skin_library ? ORV_SKIN_LIBRARY_DIR : ORV_GEN_DIR;
  return "Z:" + dir + "/" + assetFile(id);
}

TEST(AssetStore, EveryLookupIsTheGeneratedFileWithItsCataloguedSize) {
  for (const CatalogueEntry& e : catalogue()) {
    SCOPED_TRACE(assetName(e.id));
    const AssetBytes view = AssetStore::lookup(e.id);
    const FileBytes file = readFile(sourceFile(e.id));
    ASSERT_FALSE(file.empty()) << sourceFile(e.id);
    ASSERT_NE(view.data, nullptr);
    ASSERT_EQ(view.size, file.size());
    EXPECT_EQ(std::memcmp(view.data, file.data(), file.size()), 0);
    if (e.size != 0) {
      EXPECT_EQ(view.size, e.size);
    }
    ASSERT_GE(view.size, e.signature.size());
    EXPECT_EQ(std::memcmp(view.data, e.signature.data(), e.signature.size()), 0);
  }
}

TEST(AssetStore, TwoLookupsGiveTheSameView) {
  for (const CatalogueEntry& e : catalogue()) {
    const AssetBytes first = AssetStore::lookup(e.id), second = AssetStore::lookup(e.id);
    EXPECT_EQ(first.data, second.data) << assetName(e.id);
    EXPECT_EQ(first.size, second.size) << assetName(e.id);
  }
}

TEST(AssetStore, BytesLieInReadOnlyMemoryOfTheProgramImage) {
  const HMODULE image = GetModuleHandleA(nullptr);
  for (const CatalogueEntry& e : catalogue()) {
    SCOPED_TRACE(assetName(e.id));
    const AssetBytes view = AssetStore::lookup(e.id);
    MEMORY_BASIC_INFORMATION first{}, last{};
    ASSERT_NE(VirtualQuery(view.data, &first, sizeof first), 0u);
    ASSERT_NE(VirtualQuery(view.data + view.size - 1, &last, sizeof last), 0u);
    for (const MEMORY_BASIC_INFORMATION& m : {first, last}) {
      EXPECT_EQ(m.Type, static_cast<DWORD>(MEM_IMAGE));
      EXPECT_EQ(m.AllocationBase, reinterpret_cast<void*>(image));
      EXPECT_EQ(m.Protect, static_cast<DWORD>(PAGE_READONLY));
    }
  }
}

TEST(AssetStore, NoTwoAssetsAreByteIdentical) {
  const auto rows = catalogue();
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      const AssetBytes a = AssetStore::lookup(rows[i].id), b = AssetStore::lookup(rows[j].id);
      EXPECT_FALSE(a.size == b.size && std::memcmp(a.data, b.data, a.size) == 0)
          << assetName(rows[i].id) << " equals " << assetName(rows[j].id);
    }
}

// What Replace does with an asset: written into a game folder through the
// file services, straight from the image, and read back unchanged.
TEST(AssetStore, EveryAssetWrittenThroughWriteFileReadsBackIdentical) {
  char temp[MAX_PATH] = {};
  ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string folder =
      std::string(temp) + "orv-asset-roundtrip-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  for (const CatalogueEntry& e : catalogue()) {
    SCOPED_TRACE(assetName(e.id));
    const AssetBytes view = AssetStore::lookup(e.id);
    const std::string path = folder + "\\" + assetName(e.id);
    ASSERT_TRUE(writeFile(path, {ByteView{view.data, static_cast<std::uint32_t>(view.size)}}));
    const FileBytes back = readFile(path);
    ASSERT_EQ(back.size(), view.size);
    EXPECT_EQ(std::memcmp(back.data(), view.data, view.size), 0);
    EXPECT_TRUE(DeleteFileA(path.c_str()));
  }
  EXPECT_TRUE(RemoveDirectoryA(folder.c_str()));
}

TEST(AssetStore, SkinNumbersOneToTenNameTheSkinFiles) {
  struct Case {
    int number;
    bool named;
    AssetId skin;
  };
  const Case cases[] = {{0, false, AssetId::skin_01},       {1, true, AssetId::skin_01},
                        {3, true, AssetId::skin_03},        {10, true, AssetId::skin_10},
                        {11, false, AssetId::skin_01},      {-1, false, AssetId::skin_01},
                        {INT_MIN, false, AssetId::skin_01}, {INT_MAX, false, AssetId::skin_01}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    const AssetBytes view = AssetStore::skinFile(c.number);
    if (!c.named) {
      EXPECT_EQ(view.size, 0u);
      EXPECT_TRUE(view.empty());
      continue;
    }
    const AssetBytes skin = AssetStore::lookup(c.skin);
    EXPECT_EQ(view.data, skin.data);
    EXPECT_EQ(view.size, skin.size);
  }
  EXPECT_EQ(AssetStore::skinFile(3).size, 42812u);
}

}  // namespace
}  // namespace orv::test
