// LastGame.dat as the new game dialog loads it, the settings the dialog
// takes from it, then the field generated from them and a few moves played
// on it.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "FuzzSupport.h"
#include "board/Board.h"
#include "board/Random.h"
#include "checks/BoardInvariants.h"
#include "settings/GameRecord.h"
#include "settings/PlayableSettings.h"
#include "settings/SizeTable.h"

namespace {

constexpr const char* LastGamePath = "LastGame.dat";
constexpr std::int32_t LeastCellSize = 10;  // the cell size slider's low end

void CheckLoad(std::span<const std::uint8_t> bytes, const TGameRecord& loaded, bool applied) {
  if (bytes.size() < GameRecordSize) {
    // A short file was never written by the game and counts as absent.
    fuzz::Check(!applied && loaded.Score == NoRecordScore, "a short file was applied");
    return;
  }
  fuzz::Check(loaded == DecodeRecord(bytes.data()), "the record is not the file's first 96 bytes");
  fuzz::Check(applied == (loaded.Score != NoRecordScore), "applied does not follow the score marker");
  const TRecordBytes again = EncodeRecord(loaded);
  fuzz::Check(std::memcmp(again.data(), bytes.data(), GameRecordSize) == 0,
              "the record does not encode back to its bytes");
  fuzz::Check(loaded.PlayerName().size() <= MaxNameLength, "a name longer than 16 bytes");
}

// The dialog takes only settings the game can play, and keeps the ones that
// already are.
void CheckPlayable(const TGameRecord& loaded, const TGameRecord& playable) {
  const TFieldSize largest = SizeAtPosition(MaxSizePosition);
  const bool noSize = playable.SizeX == 0 && playable.SizeY == 0;
  fuzz::Check(noSize || (playable.SizeX >= 1 && playable.SizeX <= largest.Columns && playable.SizeY >= 1 &&
                         playable.SizeY <= largest.Rows),
              "a playable size off the grid");
  if (!noSize) fuzz::Check(playable.SizeX == loaded.SizeX && playable.SizeY == loaded.SizeY, "a size that fits moved");
  fuzz::Check(playable.MinePopulation >= 0 && playable.MinePopulation <= 500, "mines beyond all or below none");
  fuzz::Check(playable.Holes >= 0 && playable.Holes <= 500, "holes beyond all or below none");
  fuzz::Check(playable.Linking >= 0 && playable.Linking <= 100, "linking beyond all or below none");
  fuzz::Check(playable.CellSize >= LeastCellSize, "a cell size below the slider's end");
  fuzz::Check(playable.GameSpeed >= 0 && playable.GameSpeed <= 20, "a game speed off the slider");
  if (loaded.MinePopulation >= 0 && loaded.MinePopulation <= 500)
    fuzz::Check(playable.MinePopulation == loaded.MinePopulation, "a playable mine population moved");
  fuzz::Check(playable.PlayerName() == loaded.PlayerName() && playable.PatternFlag == loaded.PatternFlag &&
                  playable.PatternID == loaded.PatternID,
              "the name or the shape mode changed");
  fuzz::Check(WithPlayableSettings(playable, LeastCellSize) == playable, "playable settings moved again");
}

void CheckSaveRoundTrip(const TGameRecord& record) {
  fuzz::Check(SaveLastGameFile(LastGamePath, record), "saving the last game failed");
  fuzz::Check(fuzz::ReadFile(LastGamePath).size() == GameRecordSize, "LastGame.dat is not one record");
  TGameRecord back;
  const bool applied = LoadLastGameFile(LastGamePath, back);
  fuzz::Check(back == record && applied == (record.Score != NoRecordScore), "save and load differ");
}

// Plays a few moves and checks each one's score and clock arithmetic.
void PlaySome(TBoard& board, std::uint64_t digest, bool timed) {
  std::int32_t score = 100, clock = 500;
  for (int move = 0; move < 24; ++move) {
    const int column = 1 + RandInt(board.SizeX() + 2) - 1;  // now and then off the field
    const int row = 1 + RandInt(board.SizeY() + 2) - 1;
    const bool on = board.OnField(column, row);
    TAreaProperties* area = on ? board.AreaAt(column, row) : nullptr;
    const std::int32_t before = score, clockBefore = clock;
    switch ((digest >> (move % 20 * 3)) % 4) {
      case 0:
      case 1: {
        const bool playable = area && !area->Uncovered && !area->Marked && !area->Hole;
        const bool mine = playable && area->Mine;
        const bool forgiven = mine && (board.FirstMove() || board.Lifeline());
        const bool exploded = board.Uncover(column, row, 23, score, clock, timed);
        fuzz::Check(exploded == (mine && !forgiven), "Uncover's result breaks the rules");
        std::int32_t expect = before, expectClock = clockBefore;
        if (forgiven) {
          expect = before * 4 / 5 - 30;
          if (timed) expectClock -= 20;
          fuzz::Check(area->Marked, "a forgiven mine is not marked");
        } else if (playable && !mine) {
          expect += timed ? 10 : 5;
          if (timed) expectClock += 23;
          fuzz::Check(area->Uncovered, "a safe area stayed covered");
        }
        fuzz::Check(score == expect && clock == expectClock, "Uncover's score or clock is wrong");
        if (exploded) move = 23;  // the game is over: a last check, then stop
        break;
      }
      case 2: {
        const bool markable = area && !area->Uncovered && !area->Hole;
        const bool wasMarked = markable && area->Marked;
        board.ToggleMark(column, row, score);
        fuzz::Check(score == before - (wasMarked ? 20 : 0), "ToggleMark's score is wrong");
        if (markable) fuzz::Check(area->Marked != wasMarked, "the mark did not flip");
        break;
      }
      default:
        board.Tint(column, row);
        fuzz::Check(!board.FirstMove(), "a tint left the first-move grace open");
        break;
    }
    board.SetLifeline(RandInt(4) == 0);
    // The whole field is checked after every move on a small field, and
    // once after the last move on a large one, to keep the runs quick.
    if (board.SizeX() * board.SizeY() <= 400 || move == 23) {
      const std::string fault = board_checks::CheckBoard(board);
      if (!fault.empty()) fuzz::Fail(fault);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::EnterWorkDirectory(true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::WriteFile(LastGamePath, bytes);
  TGameRecord loaded;
  loaded.SizeX = 7;  // the dialog's own state, kept when nothing is read
  const bool applied = LoadLastGameFile(LastGamePath, loaded);
  CheckLoad(bytes, loaded, applied);
  if (!applied) return 0;
  CheckSaveRoundTrip(loaded);

  const TGameRecord playable = WithPlayableSettings(loaded, LeastCellSize);
  CheckPlayable(loaded, playable);

  // Mostly the settings the dialog plays; now and then the raw record, which
  // the board must survive too.
  const std::uint64_t digest = fuzz::Digest(bytes);
  const bool raw = digest % 4 == 0 || (playable.SizeX == 0 && playable.SizeY == 0);
  const TGameRecord& record = raw ? loaded : playable;
  RandSeed(digest);
  static TBoard board;  // one board for the run, as in the game
  std::int32_t clock = -1, score = -1;
  board.Generate(record, clock, score);
  const std::string fault = board_checks::CheckFreshField(board, record, clock, score);
  if (!fault.empty()) fuzz::Fail(fault);
  PlaySome(board, digest, record.Timed());
  return 0;
}
