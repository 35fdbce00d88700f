#include "shutdown.h"

#include <vector>

namespace orv {

namespace {
std::vector<std::function<void()>>& releases() {
  static std::vector<std::function<void()>> list;
  return list;
}
}  // namespace

void atShutdown(std::function<void()> release) {
  releases().push_back(std::move(release));
}

void runShutdownReleases() {
  auto& list = releases();
  while (!list.empty()) {
    auto release = std::move(list.back());
    list.pop_back();
    if (release) release();
  }
}

}  // namespace orv
