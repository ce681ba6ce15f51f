// The pattern reader on any file placed in Patterns/, then a field laid from
// the pattern it read.
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>

#include "FuzzSupport.h"
#include "board/Board.h"
#include "board/Random.h"
#include "checks/BoardInvariants.h"
#include "patterns/Pattern.h"

namespace {

const std::string PatternPath = std::string(PatternDirectory) + "/fuzz.tes";

bool KnownCode(std::uint8_t code) {
  return code <= 35 || code == tc_SingleHash || code == tc_Transparent || code == tc_Hole;
}

void CheckRecord(const TTess& pattern) {
  fuzz::Check(pattern.FileName == PatternPath, "the record does not name its file");
  fuzz::Check(pattern.Width >= 0 && pattern.Width <= MaxTileColumns, "tile width outside the grid");
  fuzz::Check(pattern.Height >= 0 && pattern.Height <= MaxTileRows, "tile height outside the grid");
  fuzz::Check(pattern.StepX >= 0 && pattern.StepY >= 0, "a negative step");
  fuzz::Check(pattern.GroupCount <= 35, "a group beyond Z");
  int highestGroup = 0;
  for (int column = 1; column <= MaxTileColumns; ++column)
    for (int row = 1; row <= MaxTileRows; ++row) {
      const std::uint8_t code = pattern.Code(column, row);
      fuzz::Check(KnownCode(code), "a tile code no character gives");
      // Rows past the tile's height are never read from the file.
      if (row > pattern.Height) fuzz::Check(code == tc_Hole, "a code below the tile's last row");
      if (code >= 1 && code <= 35 && code > highestGroup) highestGroup = code;
    }
  fuzz::Check(pattern.GroupCount == highestGroup, "GroupCount is not the highest group in the tile");
  // A usable tile numbers its areas within one byte.
  if (pattern.StepX > 0 && pattern.StepY > 0)
    fuzz::Check(int(pattern.AreasPerTile) == pattern.GroupCount + pattern.SingleCount,
                "AreasPerTile is not groups plus singles");
}

// A small field mostly, now and then the largest, so that a tile with a step
// of one over the whole grid is tried too.
TGameRecord RecordFor(const TTess& pattern, std::uint64_t digest) {
  TGameRecord record;
  const bool largest = digest % 32 == 0;
  record.SizeX = largest ? 147 : int(1 + (digest >> 8) % 40);
  record.SizeY = largest ? 98 : int(1 + (digest >> 16) % 30);
  record.MinePopulation = int((digest >> 24) % 201);
  record.Holes = (digest >> 32) % 4 == 0 ? int((digest >> 34) % 101) : 0;
  record.Linking = (digest >> 40) % 4 == 0 ? int((digest >> 42) % 91) : 0;
  record.CellSize = 10;
  record.ShapeThreshold = 10;
  record.TimedGame = (digest >> 50) & 1;
  record.GameSpeed = int((digest >> 51) % 21);
  record.PatternFlag = 1;
  record.PatternID = std::int32_t(pattern.RegNo);
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::EnterWorkDirectory(false);
  std::filesystem::create_directory(PatternDirectory);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::WriteFile(PatternPath, bytes);
  TTess pattern;
  ReadPattern(PatternPath, pattern);
  CheckRecord(pattern);

  TTess again;
  FindPattern(std::int32_t(pattern.RegNo), again);
  if (pattern.RegNo >= std::numeric_limits<std::int32_t>::min() &&
      pattern.RegNo <= std::numeric_limits<std::int32_t>::max())
    fuzz::Check(again.RegNo == pattern.RegNo && again.Grid == pattern.Grid,
                "the lookup does not find the one file with the number");

  const std::uint64_t digest = fuzz::Digest(bytes);
  RandSeed(digest);
  static TBoard board;  // one board for the run, as in the game
  const TGameRecord record = RecordFor(pattern, digest);
  std::int32_t clock = -1, score = -1;
  board.Generate(record, clock, score);
  const std::string fault = board_checks::CheckFreshField(board, record, clock, score);
  if (!fault.empty()) fuzz::Fail(fault);
  return 0;
}
