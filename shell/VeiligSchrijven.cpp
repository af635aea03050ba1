#include "shell/VeiligSchrijven.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orvan {

namespace {

std::atomic<unsigned> volgnummer{0};

std::string Reden(int fout) { return std::strerror(fout); }

bool SchrijfAlles(int fd, const std::string& inhoud, int& fout) {
  const char* p = inhoud.data();
  std::size_t over = inhoud.size();
  while (over > 0) {
    const ssize_t n = ::write(fd, p, over);
    if (n < 0) {
      if (errno == EINTR) continue;
      fout = errno;
      return false;
    }
    p += n;
    over -= static_cast<std::size_t>(n);
  }
  return true;
}

// Flushes the folder entry of a rename; a failure here leaves a complete file either way.
void SynchroniseerMap(const fs::path& map) {
  const int fd = ::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, std::string& fout) {
  std::error_code ec;
  fs::path doel = pad;
  if (fs::is_symlink(doel, ec)) {
    const fs::path naar = fs::weakly_canonical(doel, ec);
    if (!ec) doel = naar;
  }
  struct stat oud {};
  const bool bestond = ::stat(doel.c_str(), &oud) == 0;

  fs::path tijdelijk = doel;
  tijdelijk += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(volgnummer++);
  const int fd = ::open(tijdelijk.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    fout = "cannot create \"" + tijdelijk.string() + "\": " + Reden(errno);
    return false;
  }
  int foutNummer = 0;
  const char* stap = "cannot write";
  bool ok = SchrijfAlles(fd, inhoud, foutNummer);
  if (ok && bestond) ::fchmod(fd, oud.st_mode & 07777);
  if (ok && ::fsync(fd) != 0) {
    foutNummer = errno;
    stap = "cannot flush";
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    foutNummer = errno;
    stap = "cannot close";
    ok = false;
  }
  if (ok && ::rename(tijdelijk.c_str(), doel.c_str()) != 0) {
    foutNummer = errno;
    stap = "cannot rename into place";
    ok = false;
  }
  if (!ok) {
    ::unlink(tijdelijk.c_str());
    fout = std::string(stap) + " \"" + doel.string() + "\": " + Reden(foutNummer);
    return false;
  }
  SynchroniseerMap(doel.parent_path());
  return true;
}

}  // namespace orvan
