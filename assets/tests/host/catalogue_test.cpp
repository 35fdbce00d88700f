// The generated files against the catalogue: one row per identifier.
#include <gtest/gtest.h>

#include <set>

#include "assets/tests/catalogue_table.h"
#include "assets/tests/test_files.h"

namespace orv::test {
namespace {

std::string generated(const char* file) {
  return std::string(ORV_GEN_DIR) + "/" + file;
}

// The host tree does not build the skin library; the Windows-side test
// checks it through the store.
bool onHost(AssetId id) {
  return id != AssetId::skin_library;
}

TEST(Catalogue, NamesEachOfTheThirtyFiveIdentifiersOnce) {
  std::set<int> seen;
  for (const CatalogueEntry& e : catalogue()) seen.insert(static_cast<int>(e.id));
  EXPECT_EQ(seen.size(), 35u);
  EXPECT_EQ(catalogue().size(), 35u);
  EXPECT_EQ(*seen.begin(), 0);
  EXPECT_EQ(*seen.rbegin(), kAssetCount - 1);
}

TEST(Catalogue, EveryGeneratedAssetHasItsSizeAndSignature) {
  for (const CatalogueEntry& e : catalogue()) {
    if (!onHost(e.id)) continue;
    SCOPED_TRACE(assetName(e.id));
    const FileBytes bytes = readFile(generated(assetFile(e.id)));
    ASSERT_FALSE(bytes.empty()) << "missing " << assetFile(e.id);
    if (e.size != 0) {
      EXPECT_EQ(bytes.size(), e.size);
    }
    ASSERT_GE(bytes.size(), e.signature.size());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(e.signature.size())),
              e.signature);
  }
}

TEST(Catalogue, NoTwoAssetsAreByteIdentical) {
  std::vector<std::pair<const char*, FileBytes>> files;
  for (const CatalogueEntry& e : catalogue())
    if (onHost(e.id)) files.emplace_back(assetName(e.id), readFile(generated(assetFile(e.id))));
  for (std::size_t i = 0; i < files.size(); ++i)
    for (std::size_t j = i + 1; j < files.size(); ++j)
      EXPECT_NE(files[i].second, files[j].second) << files[i].first << " equals " << files[j].first;
}

}  // namespace
}  // namespace orv::test
