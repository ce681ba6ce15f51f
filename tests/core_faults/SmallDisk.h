#pragma once
// A scratch disk that fails the game's writes: it fills up, or it turns
// read-only. The tests run as root, for whom a read-only file is no obstacle,
// so a file's mode alone would prove nothing.
//
// The tests run on both kinds of disk. A real tmpfs of the given size, where
// the machine allows mounting: Fill() writes a filler until the disk refuses
// more, MakeReadOnly() remounts it read-only. And a plain directory, where
// the same failures come from the kernel by other means, so that they are
// tried also in a container that refuses to mount:
//   - full: the file-size limit (RLIMIT_FSIZE) lets each file fill only its
//     last page, as on a full tmpfs; a write past it fails (EFBIG), a write
//     across it is cut short, just like a disk that runs out mid-write;
//   - read-only: the files and the directory lose their write bits and this
//     thread's file-system identity becomes an unprivileged user (setfsuid),
//     which also drops root's right to override file modes.
// Single read-only files in a writable folder use the same identity change on
// either kind of disk.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

enum class TDiskKind { Tmpfs, Simulated };

inline std::string DiskKindName(const ::testing::TestParamInfo<TDiskKind>& info) {
  return info.param == TDiskKind::Tmpfs ? "Tmpfs" : "Simulated";
}

class TSmallDisk {
 public:
  static constexpr unsigned NobodyId = 65534;
  static constexpr std::uintmax_t PageSize = 4096;

  // A fresh disk of the given size, entered as the working directory.
  TSmallDisk(TDiskKind kind, std::size_t bytes) {
    std::string dir = (std::filesystem::temp_directory_path() / "quorlane-disk-XXXXXX").string();
    if (!mkdtemp(dir.data())) return;
    Dir = dir;
    const std::string options = "size=" + std::to_string(bytes);
    if (kind == TDiskKind::Tmpfs) {
      Mounted = mount("tmpfs", Dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
      if (!Mounted) return;
    }
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Dir);
    Ready = true;
  }
  ~TSmallDisk() {
    MakeRoom();
    if (ActingAsNobody) setfsuid(0);
    if (!Ready) return;
    std::filesystem::current_path(Previous);
    std::error_code error;
    if (Mounted) umount2(Dir.c_str(), MNT_DETACH);
    else std::filesystem::permissions(Dir, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(Dir, error);
  }
  TSmallDisk(const TSmallDisk&) = delete;
  TSmallDisk& operator=(const TSmallDisk&) = delete;

  bool Ready = false;    // entered as the working directory
  bool Mounted = false;  // a real tmpfs; otherwise the failures are simulated

  // From now on the disk takes no more bytes than the last pages hold.
  void Fill() {
    if (Mounted) return FillWithFiller();
    std::uintmax_t limit = 0;
    for (const auto& entry : std::filesystem::directory_iterator("."))
      if (entry.is_regular_file())
        limit = std::max(limit, (entry.file_size() + PageSize - 1) / PageSize * PageSize);
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the program
    getrlimit(RLIMIT_FSIZE, &SavedLimit);
    rlimit limited = SavedLimit;
    limited.rlim_cur = limit;
    LimitSet = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }

  // Room again, as when a full disk has been cleared.
  void MakeRoom() {
    std::error_code error;
    if (Mounted) std::filesystem::remove("filler", error);
    if (LimitSet) setrlimit(RLIMIT_FSIZE, &SavedLimit);
    LimitSet = false;
  }

  // From now on every write on the disk fails; reading still works.
  bool MakeReadOnly() {
    if (Mounted) return mount("tmpfs", Dir.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    ChangeModes(0444, 0555);
    return ActAsNobody() && Refused(O_WRONLY | O_CREAT, "probe");
  }

  // Every file present loses its write bits, the folder stays open to new
  // files, and the game runs as an unprivileged user, for whom that counts.
  bool MakeFilesReadOnly(const char* someFile) {
    ChangeModes(0444, 0777);
    return ActAsNobody() && Refused(O_WRONLY, someFile);
  }

 private:
  static void ChangeModes(mode_t files, mode_t folder) {
    for (const auto& entry : std::filesystem::directory_iterator("."))
      chmod(entry.path().c_str(), files);
    chmod(".", folder);
  }

  // setfsuid changes only this thread's identity for file access, and
  // returns the identity in force before the call.
  bool ActAsNobody() {
    setfsuid(NobodyId);
    ActingAsNobody = setfsuid(NobodyId) == int(NobodyId);
    return ActingAsNobody;
  }

  // access() asks with the real identity, so the refusal is tried for real.
  static bool Refused(int flags, const char* path) {
    const int probe = open(path, flags, 0644);
    if (probe < 0) return errno == EACCES;
    close(probe);
    if (flags & O_CREAT) unlink(path);
    return false;
  }

  void FillWithFiller() {
    std::FILE* filler = std::fopen("filler", "wb");
    if (!filler) return;
    const std::string block(512, 'x');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {
    }
    std::fclose(filler);
  }

  std::string Dir;
  std::filesystem::path Previous;
  rlimit SavedLimit{};
  bool LimitSet = false;
  bool ActingAsNobody = false;
};

// A machine that refuses to mount still tries every fault on the simulated
// disk.
#define ENTER_DISK(disk)                                                     \
  if (GetParam() == TDiskKind::Tmpfs && !(disk).Ready)                       \
    GTEST_SKIP() << "this machine does not allow mounting a tmpfs";          \
  ASSERT_TRUE((disk).Ready) << "no scratch directory"
