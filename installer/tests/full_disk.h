// A game folder on a disk that is full: a small tmpfs mounted from the host
// and filled up, so that writes into it fail for want of space as on a real
// full disk. Mounting needs root, as the tests' machines run them.
#pragma once
#include <string>

namespace orv::test {

class FullDisk {
 public:
  FullDisk();  // an empty 64 KiB tmpfs on a fresh mount point
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& root() const { return root_; }  // as Windows sees it

  // Takes all the space that is left with a filler file; false when the
  // disk never said it was full.
  bool fill() const;

 private:
  std::string unixPath_, root_;
  bool mounted_ = false;
};

}  // namespace orv::test
