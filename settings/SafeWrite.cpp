#include "settings/SafeWrite.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

TReplaceSeam ReplaceSeam = nullptr;

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// A record takes microseconds to write, so a lock held for a second means a
// writer that hangs: the game then gives up on its record rather than write
// past it. A paint waits less and then reads what is there.
constexpr milliseconds WriterWait{1000};
constexpr milliseconds ReaderWait{100};

// Symbolic links followed before a path counts as a loop.
constexpr int MaxLinkHops = 40;

class TFd {
 public:
  explicit TFd(int fd) : Fd(fd) {}
  ~TFd() {
    if (Fd >= 0) ::close(Fd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return Fd; }
  bool Open() const { return Fd >= 0; }
  int Release() {
    const int fd = Fd;
    Fd = -1;
    return fd;
  }
  // Closes now and tells whether the close reported an error, as a file
  // system that writes late (NFS) does for a write that failed.
  bool Close() {
    const int fd = Fd;
    Fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int Fd;
};

// flock has no timeout of its own: try, and wait a little longer each time.
// A file system that offers no locks at all is written unlocked, as the
// game always did, rather than never.
bool WaitForLock(int fd, int operation, milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::chrono::microseconds pause{50};
  for (;;) {
    if (::flock(fd, operation | LOCK_NB) == 0) return true;
    if (errno == EINTR) continue;
    if (errno == ENOLCK || errno == EINVAL || errno == EOPNOTSUPP) return true;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds{5000});
  }
}

bool WriteAllAt(int fd, const char* data, std::size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t done = ::pwrite(fd, data, size, offset);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    data += done;
    size -= static_cast<std::size_t>(done);
    offset += done;
  }
  return true;
}

bool Step(TReplaceStep step) { return !ReplaceSeam || ReplaceSeam(step); }

// The file a path finally names, following symbolic links (also one that
// names a file not there yet), so that a player's link keeps working.
bool FinalTarget(const std::string& path, fs::path& target) {
  target = path;
  for (int hop = 0; hop < MaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISLNK(st.st_mode)) return true;
    std::error_code error;
    const fs::path link = fs::read_symlink(target, error);
    if (error) return false;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return false;
}

fs::path TempFor(const fs::path& target) {
  fs::path temp = target;
  temp += ".tmp";
  return temp;
}

// Whether fd is still the file at path: a temporary file that another
// writer renamed or removed while this one waited for its lock is not.
bool StillAt(int fd, const fs::path& path) {
  struct stat opened {}, named {};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A device is not replaced but written, as before: /dev/null takes the
// bytes, /dev/full refuses them.
bool WriteInPlace(const fs::path& target, std::string_view bytes) {
  TFd file(::open(target.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC));
  if (!file.Open()) return false;
  bool written = true;
  for (std::size_t done = 0; written && done < bytes.size();) {
    const ssize_t got = ::write(file.Get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    written = got > 0;
    if (written) done += static_cast<std::size_t>(got);
  }
  return file.Close() && written;
}

// Opens and locks the temporary file, which is shared by every writer of
// the same target: one at a time fills it and renames it away.
int LockedTemp(const fs::path& temp) {
  constexpr int Tries = 8;
  for (int attempt = 0; attempt < Tries; ++attempt) {
    TFd file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!file.Open() || !WaitForLock(file.Get(), LOCK_EX, WriterWait)) return -1;
    if (!StillAt(file.Get(), temp)) continue;  // renamed away meanwhile: open the next one
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return file.Release();
  }
  return -1;
}

void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  TFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Open()) ::fsync(dir.Get());
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  fs::path target;
  if (!FinalTarget(path, target)) return false;
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && S_ISDIR(old.st_mode)) return false;
  if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(target, bytes);
  // Renaming needs only the folder's permission; a file the player made
  // read-only stays refused, as when it was written in place.
  if (exists && !TFd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)).Open()) return false;

  const fs::path temp = TempFor(target);
  TFd file(LockedTemp(temp));
  if (!file.Open()) return false;
  const bool filled = Step(TReplaceStep::rs_TempLocked) && ::ftruncate(file.Get(), 0) == 0 &&
                      WriteAllAt(file.Get(), bytes.data(), bytes.size(), 0) &&
                      Step(TReplaceStep::rs_TempWritten) &&
                      (!exists || ::fchmod(file.Get(), old.st_mode & 07777) == 0) &&
                      ::fsync(file.Get()) == 0 && Step(TReplaceStep::rs_TempSynced);
  // The lock is held until the end, so no other writer touches the
  // temporary file while it is renamed or removed.
  if (!filled || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  Step(TReplaceStep::rs_Renamed);
  SyncFolder(target);  // makes the rename itself last; the content is in place either way
  return true;
}

void RemoveLeftoverTemp(const std::string& path) {
  fs::path target;
  if (!FinalTarget(path, target)) return;
  const fs::path temp = TempFor(target);
  TFd file(::open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file.Open() || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) return;
  struct stat st {};
  if (StillAt(file.Get(), temp) && ::fstat(file.Get(), &st) == 0 && S_ISREG(st.st_mode))
    ::unlink(temp.c_str());
}

bool AppendRecordLocked(const std::string& path, std::span<const std::uint8_t> record) {
  TFd file(::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
  if (!file.Open() || !WaitForLock(file.Get(), LOCK_EX, WriterWait)) return false;
  struct stat st {};
  if (::fstat(file.Get(), &st) != 0) return false;
  const off_t size = st.st_size;
  const off_t boundary = size - size % static_cast<off_t>(record.size());
  const bool written =
      WriteAllAt(file.Get(), reinterpret_cast<const char*>(record.data()), record.size(), boundary);
  // A disk that filled up mid-record keeps no part of it.
  if (!written && S_ISREG(st.st_mode)) (void)::ftruncate(file.Get(), size);
  return file.Close() && written;
}

bool LockForReading(int fd) { return WaitForLock(fd, LOCK_SH, ReaderWait); }
