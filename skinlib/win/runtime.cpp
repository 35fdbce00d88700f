// The few pieces of the C++ runtime the library uses, kept small: the library
// has a fixed size budget and no use for exceptions. Allocation goes to the
// process heap; a failed allocation or a container misuse ends the process,
// as it would with exceptions switched off.
#include <windows.h>

#include <cstddef>
#include <new>

namespace {

[[noreturn]] void fail() {
  FatalAppExitA(0, "SkinH_EL: out of memory");
  __builtin_unreachable();
}

void* allocate(std::size_t size) {
  void* p = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
  if (!p) fail();
  return p;
}

void release(void* p) {
  if (p) HeapFree(GetProcessHeap(), 0, p);
}

}  // namespace

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* p) noexcept {
  release(p);
}
void operator delete[](void* p) noexcept {
  release(p);
}
void operator delete(void* p, std::size_t) noexcept {
  release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  release(p);
}

// Called by the standard containers where they would throw.
namespace std {
[[noreturn]] void __throw_length_error(const char*) {
  fail();
}
[[noreturn]] void __throw_bad_alloc() {
  fail();
}
[[noreturn]] void __throw_bad_array_new_length() {
  fail();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
  fail();
}
[[noreturn]] void __throw_logic_error(const char*) {
  fail();
}
}  // namespace std
