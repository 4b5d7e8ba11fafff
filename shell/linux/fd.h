// SPDX-License-Identifier: MIT
#pragma once
// A descriptor that closes itself.

#include <unistd.h>

namespace ferrowick::engine {

class Fd {
 public:
  Fd() : fd_(-1) {}
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&& other) noexcept : fd_(other.Release()) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  int get() const { return fd_; }
  int Close() {
    if (fd_ < 0) return 0;
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

}  // namespace ferrowick::engine
