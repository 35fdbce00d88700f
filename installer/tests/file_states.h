// What a game file and its backup hold, laid out and checked in a game folder.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "game_folder.h"

namespace orv::test {

enum class Holds { nothing, own, asset };

inline std::string bytesFor(Holds holds, const GameFile& file) {
  switch (holds) {
    case Holds::nothing:
      return {};
    case Holds::own:
      return GameFolder::ownBytes(file.path);
    case Holds::asset:
      break;
  }
  return assetBytes(file.asset);
}

inline void lay(const GameFolder& game, const GameFile& file, Holds gameFile, Holds backup) {
  if (gameFile != Holds::nothing) game.put(file.path, bytesFor(gameFile, file));
  if (backup != Holds::nothing) game.put(file.backup, bytesFor(backup, file));
}

inline void expectHolds(const GameFolder& game, const GameFile& file, Holds gameFile,
                        Holds backup) {
  SCOPED_TRACE(file.path);
  EXPECT_EQ(game.exists(file.path), gameFile != Holds::nothing);
  EXPECT_EQ(game.exists(file.backup), backup != Holds::nothing);
  // Compared as bools: a mismatch of big pictures would flood the log.
  if (gameFile != Holds::nothing) {
    EXPECT_TRUE(game.read(file.path) == bytesFor(gameFile, file));
  }
  if (backup != Holds::nothing) {
    EXPECT_TRUE(game.read(file.backup) == bytesFor(backup, file));
  }
}

}  // namespace orv::test
