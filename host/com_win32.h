#pragma once
// A move-only owner of one COM interface pointer.
#include <unknwn.h>

#include <utility>

namespace host {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For functions that hand out a new reference.
  T** put() {
    reset();
    return &pointer_;
  }
  void reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  T* pointer_ = nullptr;
};

}  // namespace host
