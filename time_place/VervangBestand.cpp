#include "time_place/VervangBestand.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace orvan {

namespace {

inline constexpr std::size_t BufferGrootte = 1 << 16;

std::string Reden(int nummer) { return std::strerror(nummer); }

// Flushes the folder entry of a rename; a failure here leaves a complete file either way.
void SynchroniseerMap(const std::string& pad) {
  std::string map = std::filesystem::path(pad).parent_path().string();
  if (map.empty()) map = ".";
  const int fd = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

TVervangBestand::~TVervangBestand() {
  if (!voltooid_) Verwerp();
}

bool TVervangBestand::Open(const std::string& werkPad, std::string& fout) {
  Verwerp();
  pad_ = werkPad;
  voltooid_ = false;
  foutNummer_ = 0;
  buffer_.clear();
  ::unlink(pad_.c_str());
  fd_ = ::open(pad_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    fout = "cannot create \"" + pad_ + "\": " + Reden(errno);
    return false;
  }
  return true;
}

bool TVervangBestand::Leeg() {
  const char* p = buffer_.data();
  std::size_t over = buffer_.size();
  while (over > 0 && foutNummer_ == 0) {
    const ssize_t n = ::write(fd_, p, over);
    if (n < 0) {
      if (errno == EINTR) continue;
      foutNummer_ = errno;
    } else {
      p += n;
      over -= static_cast<std::size_t>(n);
    }
  }
  buffer_.clear();
  return foutNummer_ == 0;
}

bool TVervangBestand::Schrijf(const void* data, std::size_t n) {
  if (fd_ < 0 || foutNummer_ != 0) return false;
  buffer_.append(static_cast<const char*>(data), n);
  return buffer_.size() < BufferGrootte || Leeg();
}

bool TVervangBestand::Voltooi(std::string& fout) {
  if (fd_ < 0) {
    fout = "no work file is open";
    return false;
  }
  const char* stap = "cannot write";
  bool ok = Leeg();
  if (ok && ::fsync(fd_) != 0) {
    foutNummer_ = errno;
    stap = "cannot flush";
    ok = false;
  }
  if (::close(fd_) != 0 && ok) {
    foutNummer_ = errno;
    stap = "cannot close";
    ok = false;
  }
  fd_ = -1;
  if (!ok) {
    fout = std::string(stap) + " \"" + pad_ + "\": " + Reden(foutNummer_);
    ::unlink(pad_.c_str());
    return false;
  }
  voltooid_ = true;
  return true;
}

bool TVervangBestand::Vervang(const std::string& doelPad, std::string& fout) {
  if (!Voltooi(fout)) return false;
  if (!HernoemBestand(pad_, doelPad, fout)) {
    ::unlink(pad_.c_str());
    return false;
  }
  return true;
}

void TVervangBestand::Verwerp() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!pad_.empty() && !voltooid_) ::unlink(pad_.c_str());
  buffer_.clear();
}

bool HernoemBestand(const std::string& van, const std::string& naar, std::string& fout) {
  if (std::rename(van.c_str(), naar.c_str()) != 0) {
    fout = "cannot rename \"" + van + "\" to \"" + naar + "\": " + Reden(errno);
    return false;
  }
  SynchroniseerMap(naar);
  return true;
}

}  // namespace orvan
