#include "game/SavedGameSlot.h"
#include <cerrno>
#include <cstdio>
#include <vector>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include "game/SavedGame.h"
#include "settings/SafeWrite.h"

namespace {

// Names tried for a file set aside before the folder counts as full of them.
constexpr int MaxSetAsideNames = 1000;

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

// The file's bytes, at most one more than a saved game can have: a larger
// file is refused without reading it all.
bool ReadBounded(const std::string& path, std::vector<std::uint8_t>& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  bytes.assign(MaxSavedGameSize + 1, 0);
  std::size_t got = 0;
  while (read && got < bytes.size()) {
    const ssize_t now = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (now < 0 && errno == EINTR) continue;
    if (now < 0) read = false;
    if (now <= 0) break;
    got += std::size_t(now);
  }
  ::close(fd);
  bytes.resize(got);
  return read;
}

// rename() replaces silently; a link made under the new name fails if the
// name is taken, and only then does the old name go. A file system without
// hard links gets the rename, after a look that the name is free.
bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return true;
  }
  if (errno == EEXIST) return false;
  return !Exists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::string SetSavedGameAside(const std::string& path) {
  for (int n = 1; n <= MaxSetAsideNames; ++n) {
    const std::string name = path + ".rejected" + (n == 1 ? std::string() : "." + std::to_string(n));
    if (MoveWithoutReplacing(path, name)) return name;
    if (!Exists(path)) return {};
  }
  return {};
}

TSavedGameSlot::TSavedGameSlot(std::string path) : FPath(std::move(path)) {}

TSavedGameSlot::~TSavedGameSlot() { Release(); }

// The lock lives on a file of its own: the saved game itself is replaced by
// renaming, which would leave a lock on it behind on the old file. The lock
// file is made only when a copy first needs it and stays, empty.
bool TSavedGameSlot::Claim() {
  if (FClaimed) return true;
  const std::string lockPath = FPath + ".lock";
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  // No lock file can be had where none can be made (a read-only folder):
  // the saved game is then used as the game always used its files, and a
  // write fails there on its own, silently.
  FClaimed = true;
  if (fd < 0) return true;
  int locked;
  do locked = ::flock(fd, LOCK_EX | LOCK_NB);
  while (locked != 0 && errno == EINTR);
  // A file system without locks cannot tell copies apart: it is used as
  // the game always used its files, by whoever comes.
  if (locked != 0 && errno != ENOLCK && errno != EINVAL && errno != EOPNOTSUPP) {
    ::close(fd);
    FClaimed = false;
    return false;
  }
  FLock = fd;
  return true;
}

void TSavedGameSlot::Release() {
  if (FLock >= 0) ::close(FLock);
  FLock = -1;
  FClaimed = false;
}

TSavedGameSlot::TOpened TSavedGameSlot::Open(TGame& game) {
  if (!Exists(FPath)) {
    RemoveLeftoverTemp(FPath);  // a first save that died before its rename
    return so_None;
  }
  if (!Claim()) return so_HeldElsewhere;
  RemoveLeftoverTemp(FPath);
  std::vector<std::uint8_t> bytes;
  TGameImage image;
  if (ReadBounded(FPath, bytes) && DecodeSavedGame(bytes, image) && game.Restore(image)) {
    FWritten.assign(bytes.begin(), bytes.end());
    return so_Restored;
  }
  FKeptOff = SetSavedGameAside(FPath).empty() && Exists(FPath);
  Release();
  return so_SetAside;
}

TSavedGameSlot::TWritten TSavedGameSlot::Write(const TGame& game) {
  if (FKeptOff) return sw_OtherGameWaiting;
  if (!Owned()) {
    if (!Claim()) return sw_HeldElsewhere;
    // Not ours: this copy would have loaded it at its start, or owns it
    // since it wrote it.
    if (Exists(FPath)) {
      Release();
      return sw_OtherGameWaiting;
    }
  }
  std::string bytes = EncodeSavedGame(game.Image());
  if (bytes == FWritten) return sw_Unchanged;
  if (!ReplaceFileWhole(FPath, bytes)) return sw_Failed;
  FWritten = std::move(bytes);
  return sw_Written;
}

void TSavedGameSlot::Discard() {
  if (!Owned()) return;
  // A file that will not go keeps the slot, so no other copy takes a
  // finished game for a waiting one.
  if (::unlink(FPath.c_str()) != 0 && errno != ENOENT) return;
  FWritten.clear();
  Release();
}
