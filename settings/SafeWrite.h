#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// How the game's files reach the disk when two copies of the game share one
// folder, or a copy dies half way through a write.
//
// LastGame.dat and SavedNames.txt are replaced whole: the new content goes
// to "<name>.tmp" beside the file, is flushed to the disk, and is renamed
// over the old file, so the file holds either its old or its new content at
// every moment. Scores.dat grows by whole records under an exclusive lock, so
// two games that end at once both keep their record.

// Replaces the file's content with bytes, whole or not at all. A file that
// exists must be writable (a read-only file is refused as before); a
// symbolic link is followed and the file it names is replaced; a device such
// as /dev/null is written in place, as there is nothing to replace. On
// failure the file is as it was and no temporary file is left.
bool ReplaceFileWhole(const std::string& path, std::string_view bytes);

// Removes the temporary file that a replacement of path left behind when its
// writer died before the rename. A replacement still under way holds a lock
// on its temporary file and is left alone.
void RemoveLeftoverTemp(const std::string& path);

// Writes record at the last record boundary of the file (its size rounded
// down to a multiple of the record's size), creating the file when missing,
// so that a trailing fragment is overwritten. The boundary is found and the
// record written under an exclusive lock on the file; a writer that cannot
// have the lock within a second writes nothing and returns false. A failed
// write leaves the file at its old length.
bool AppendRecordLocked(const std::string& path, std::span<const std::uint8_t> record);

// Takes a shared lock on an open file for reading, waiting a little for a
// writer to finish its record. Returns whether the lock is held; a reader
// that does not get it may read all the same, whole records only.
bool LockForReading(int fd);

// The steps of a replacement, for tests that stop it at each of them.
enum class TReplaceStep { rs_TempLocked, rs_TempWritten, rs_TempSynced, rs_Renamed };
// Called after each step when set. Returning false makes the step count as
// failed (ignored after the rename, when the new content is already in
// place); a seam that ends the process there acts as a crash.
using TReplaceSeam = bool (*)(TReplaceStep);
extern TReplaceSeam ReplaceSeam;
