// SavedGame.dat as a start reads it: the file is either brought back into a
// game that plays on, keeps the board's every rule and writes back the very
// same bytes, or set aside whole under another name with no game started.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "board/Random.h"
#include "checks/BoardInvariants.h"
#include "game/SavedGame.h"
#include "game/SavedGameSlot.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* SetAsideName = "SavedGame.dat.rejected";

// Most inputs have their size and checksum made right, as a hostile file
// would, so that the fuzzer reaches the checks behind them; the rest are
// read as they come, as a damaged file is.
std::vector<std::uint8_t> Sealed(std::span<const std::uint8_t> input, std::uint64_t digest) {
  std::vector<std::uint8_t> bytes(input.begin(), input.end());
  if (digest % 8 == 0 || bytes.size() < SavedGameHeaderSize + SavedChecksumSize) return bytes;
  auto put = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(value >> (8 * i));
  };
  put(12, std::uint32_t(bytes.size()));
  put(bytes.size() - SavedChecksumSize, SavedGameChecksum(bytes));
  return bytes;
}

void PlaySome(TGame& game, std::uint64_t digest) {
  const TBoard& board = *game.Board();
  for (int move = 0; move < 16 && game.Active(); ++move) {
    const int column = 1 + RandInt(board.SizeX()), row = 1 + RandInt(board.SizeY());
    const TPlayButton button = (digest >> (move * 2)) % 3 == 0 ? pb_Right : pb_Left;
    if (move % 5 == 4) game.ToggleLifeline();
    game.Press(button, column, row);
    if (game.Release(button, column, row) == pr_Lost) game.Lose();
    const std::string fault = board_checks::CheckBoard(board);
    if (!fault.empty()) fuzz::Fail("after a move on a restored field: " + fault);
  }
}

void CheckRestored(TSavedGameSlot& slot, TGame& game, const std::vector<std::uint8_t>& bytes, std::uint64_t digest) {
  fuzz::Check(game.Active() && game.Board() && slot.Owned(), "a restored game is not in play, or not owned");
  const std::string fault = board_checks::CheckBoard(*game.Board());
  if (!fault.empty()) fuzz::Fail("a restored field: " + fault);
  fuzz::Check(EncodeSavedGame(game.Image()) == std::string(bytes.begin(), bytes.end()),
              "the restored game does not write back the bytes it was read from");
  RandSeed(digest);
  PlaySome(game, digest);
  if (!game.Active()) return;
  const TSavedGameSlot::TWritten written = slot.Write(game);
  fuzz::Check(written == TSavedGameSlot::sw_Written || written == TSavedGameSlot::sw_Unchanged,
              "the owner could not keep its game");
  slot.Discard();
  fuzz::Check(!fs::exists(SavedGameFile), "a discarded game stayed");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::EnterWorkDirectory(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint64_t digest = fuzz::Digest({data, size});
  const std::vector<std::uint8_t> bytes = Sealed({data, size}, digest);
  fuzz::WriteFile(SavedGameFile, bytes);
  std::error_code ignored;
  fs::remove(SetAsideName, ignored);

  TSavedGameSlot slot(SavedGameFile);
  TGame game;
  const TSavedGameSlot::TOpened opened = slot.Open(game);
  if (opened == TSavedGameSlot::so_Restored) {
    CheckRestored(slot, game, bytes, digest);
  } else {
    fuzz::Check(opened == TSavedGameSlot::so_SetAside, "a saved game was neither restored nor set aside");
    fuzz::Check(!game.Active() && !game.Board(), "a refused file started a game");
    fuzz::Check(!fs::exists(SavedGameFile), "a refused file stayed in the saved game's place");
    const std::string aside = fuzz::ReadFile(SetAsideName);
    fuzz::Check(aside == std::string(bytes.begin(), bytes.end()), "the file set aside is not the file read");
  }
  fs::remove(SetAsideName, ignored);
  fs::remove(SavedGameFile, ignored);
  return 0;
}
