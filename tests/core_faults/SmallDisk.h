#pragma once
// File systems that fail the game's writes: a tiny tmpfs that fills up, or
// one mounted read-only. The tests run as root, for whom a read-only file is
// no obstacle, so only a read-only or full file system really refuses a
// write. Mounting needs the right to mount; where the machine refuses it,
// the tests that need it are skipped and say why.
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

class TSmallDisk {
 public:
  // A tmpfs of the given size, entered as the working directory.
  explicit TSmallDisk(std::size_t bytes) {
    std::string dir = (std::filesystem::temp_directory_path() / "quorlane-disk-XXXXXX").string();
    if (!mkdtemp(dir.data())) return;
    Dir = dir;
    const std::string options = "size=" + std::to_string(bytes);
    Mounted = mount("tmpfs", Dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
    if (!Mounted) return;
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Dir);
  }
  ~TSmallDisk() {
    if (Mounted) {
      std::filesystem::current_path(Previous);
      umount2(Dir.c_str(), MNT_DETACH);
    }
    std::error_code error;
    if (!Dir.empty()) std::filesystem::remove(Dir, error);
  }
  TSmallDisk(const TSmallDisk&) = delete;
  TSmallDisk& operator=(const TSmallDisk&) = delete;

  bool Mounted = false;
  // From now on every write on the disk fails.
  bool MakeReadOnly() {
    return mount("tmpfs", Dir.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::string Dir;
  std::filesystem::path Previous;
};

#define SKIP_WITHOUT_MOUNT(disk) \
  if (!(disk).Mounted) GTEST_SKIP() << "this machine does not allow mounting a tmpfs"
