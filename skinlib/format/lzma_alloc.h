// The heap allocator that the LZMA coder asks for, in both directions.
#pragma once
#include <Types.h>

#include <cstdlib>

namespace orv::skin {

inline ISzAlloc* lzmaAllocator() {
  static ISzAlloc allocator = {[](void*, size_t size) { return std::malloc(size); },
                               [](void*, void* address) { std::free(address); }};
  return &allocator;
}

}  // namespace orv::skin
