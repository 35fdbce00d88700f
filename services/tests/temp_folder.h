// A fresh folder under the temporary directory for one test, removed with all
// its contents (read-only and hidden entries, long paths included) at the end.
#pragma once
#include <string>

namespace orv::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path (GBK, no trailing backslash) and a path inside it.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

}  // namespace orv::test
