#include "game/SavedGame.h"
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace {

constexpr char Magic[8] = {'Q', 'U', 'O', 'R', 'S', 'A', 'V', 'E'};

// The header: the magic word, the version and the file's size, the game
// record in play at 16, then from 112 four 32-bit values (clock, score,
// lifelines left, hints used), four bytes (lifeline armed, mines laid, may
// need a guess, reserved), the field's columns, rows and area count, and
// four bytes (first-move grace, the field's lifeline, two reserved).
constexpr std::size_t OffVersion = 8;
constexpr std::size_t OffRecord = 16;
static_assert(OffRecord + GameRecordSize + 4 * 4 + 4 + 3 * 4 + 4 == SavedGameHeaderSize);

// The bits of an area's and a cell's flag byte; the others are zero.
enum : std::uint8_t { af_Uncovered = 1, af_Exposed = 2, af_Marked = 4, af_Hole = 8, af_Mine = 16 };
enum : std::uint8_t { cf_Label = 1, cf_Top = 2, cf_Left = 4, cf_Bottom = 8, cf_Right = 16 };
constexpr std::uint8_t FlagBits = 31;

std::size_t FileSize(std::size_t areas, std::size_t cells) {
  return SavedGameHeaderSize + SavedAreaSize * areas + SavedCellSize * cells + SavedChecksumSize;
}

class TWriter {
 public:
  explicit TWriter(std::size_t size) { Bytes.reserve(size); }
  void U8(std::uint8_t value) { Bytes.push_back(char(value)); }
  void Bool(bool value) { U8(value ? 1 : 0); }
  void U16(std::uint32_t value) {
    U8(std::uint8_t(value));
    U8(std::uint8_t(value >> 8));
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void I32(std::int32_t value) { U32(std::uint32_t(value)); }
  void Raw(const void* data, std::size_t size) { Bytes.append(static_cast<const char*>(data), size); }
  void Zeros(std::size_t count) { Bytes.append(count, '\0'); }
  std::string Bytes;
};

// Reads from bytes whose length the caller has checked; a flag byte that is
// neither 0 nor 1, or a reserved byte that is not zero, spoils the read.
class TReader {
 public:
  explicit TReader(const std::uint8_t* bytes) : At(bytes) {}
  std::uint8_t U8() { return *At++; }
  bool Bool() {
    const std::uint8_t value = U8();
    Sound = Sound && value <= 1;
    return value == 1;
  }
  std::uint32_t U16() {
    const std::uint32_t low = U8();
    return low | std::uint32_t(U8()) << 8;
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | U16() << 16;
  }
  std::int32_t I32() { return std::int32_t(U32()); }
  void Zeros(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Sound = Sound && U8() == 0;
  }
  std::uint8_t Flags() {
    const std::uint8_t value = U8();
    Sound = Sound && (value & ~FlagBits) == 0;
    return value;
  }
  const std::uint8_t* Here() const { return At; }
  void Skip(std::size_t count) { At += count; }
  bool Sound = true;

 private:
  const std::uint8_t* At;
};

void WriteArea(TWriter& out, const TAreaImage& area) {
  out.U32(area.Colour);
  out.U16(std::uint32_t(area.CellCount));
  out.U16(std::uint32_t(area.MineCount));
  out.U8(std::uint8_t((area.Uncovered ? af_Uncovered : 0) | (area.Exposed ? af_Exposed : 0) |
                      (area.Marked ? af_Marked : 0) | (area.Hole ? af_Hole : 0) | (area.Mine ? af_Mine : 0)));
  out.Zeros(3);
}

TAreaImage ReadArea(TReader& in) {
  TAreaImage area;
  area.Colour = in.U32();
  area.CellCount = std::int32_t(in.U16());
  area.MineCount = std::int32_t(in.U16());
  const std::uint8_t flags = in.Flags();
  area.Uncovered = flags & af_Uncovered;
  area.Exposed = flags & af_Exposed;
  area.Marked = flags & af_Marked;
  area.Hole = flags & af_Hole;
  area.Mine = flags & af_Mine;
  in.Zeros(3);
  return area;
}

void WriteCell(TWriter& out, const TCellImage& cell) {
  out.U16(std::uint32_t(cell.Area));
  out.U8(std::uint8_t((cell.LabelCell ? cf_Label : 0) | (cell.EdgeTop ? cf_Top : 0) | (cell.EdgeLeft ? cf_Left : 0) |
                      (cell.EdgeBottom ? cf_Bottom : 0) | (cell.EdgeRight ? cf_Right : 0)));
}

TCellImage ReadCell(TReader& in) {
  TCellImage cell;
  cell.Area = std::int32_t(in.U16());
  const std::uint8_t flags = in.Flags();
  cell.LabelCell = flags & cf_Label;
  cell.EdgeTop = flags & cf_Top;
  cell.EdgeLeft = flags & cf_Left;
  cell.EdgeBottom = flags & cf_Bottom;
  cell.EdgeRight = flags & cf_Right;
  return cell;
}

// The header's promises, checked before anything after it is read: a field
// within the grid, between one area and one area per cell, and a file of
// exactly the size those counts make.
bool HeaderFits(std::span<const std::uint8_t> bytes, std::int32_t sizeX, std::int32_t sizeY, std::uint32_t areas) {
  if (sizeX < 1 || sizeX > TBoard::MaxColumns || sizeY < 1 || sizeY > TBoard::MaxRows) return false;
  const std::size_t cells = std::size_t(sizeX) * std::size_t(sizeY);
  return areas >= 1 && areas <= cells && bytes.size() == FileSize(areas, cells);
}

}  // namespace

std::uint32_t SavedGameChecksum(std::span<const std::uint8_t> bytes) {
  const std::size_t covered = bytes.size() >= SavedChecksumSize ? bytes.size() - SavedChecksumSize : 0;
  return std::uint32_t(crc32_z(crc32_z(0, nullptr, 0), bytes.data(), covered));
}

std::string EncodeSavedGame(const TGameImage& image) {
  const TBoardImage& board = image.Board;
  const std::size_t size = FileSize(board.Areas.size(), board.Cells.size());
  TWriter out(size);
  out.Raw(Magic, sizeof Magic);
  out.U32(SavedGameVersion);
  out.U32(std::uint32_t(size));
  const TRecordBytes record = EncodeRecord(image.InPlay);
  out.Raw(record.data(), record.size());
  out.I32(image.Clock);
  out.I32(image.Score);
  out.I32(image.NumLifelines);
  out.I32(image.HintsUsed);
  out.Bool(image.UsingLifeline);
  out.Bool(image.MinesLaid);
  out.Bool(image.MayNeedGuess);
  out.Zeros(1);
  out.I32(board.SizeX);
  out.I32(board.SizeY);
  out.U32(std::uint32_t(board.Areas.size()));
  out.Bool(board.FirstMove);
  out.Bool(board.Lifeline);
  out.Zeros(2);
  for (const TAreaImage& area : board.Areas) WriteArea(out, area);
  for (const TCellImage& cell : board.Cells) WriteCell(out, cell);
  out.Zeros(SavedChecksumSize);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(out.Bytes.data());
  const std::uint32_t checksum = SavedGameChecksum({bytes, out.Bytes.size()});
  for (std::size_t i = 0; i < SavedChecksumSize; ++i)
    out.Bytes[out.Bytes.size() - SavedChecksumSize + i] = char(checksum >> (8 * i));
  return std::move(out.Bytes);
}

bool DecodeSavedGame(std::span<const std::uint8_t> bytes, TGameImage& image) {
  if (bytes.size() < SavedGameHeaderSize + SavedChecksumSize || bytes.size() > MaxSavedGameSize) return false;
  if (std::memcmp(bytes.data(), Magic, sizeof Magic) != 0) return false;
  TReader header(bytes.data() + OffVersion);
  if (header.U32() != SavedGameVersion || header.U32() != bytes.size()) return false;
  TReader stored(bytes.data() + bytes.size() - SavedChecksumSize);
  if (stored.U32() != SavedGameChecksum(bytes)) return false;

  TReader in(bytes.data() + OffRecord);
  TGameImage read;
  read.InPlay = DecodeRecord(in.Here());
  in.Skip(GameRecordSize);
  read.Clock = in.I32();
  read.Score = in.I32();
  read.NumLifelines = in.I32();
  read.HintsUsed = in.I32();
  read.UsingLifeline = in.Bool();
  read.MinesLaid = in.Bool();
  read.MayNeedGuess = in.Bool();
  in.Zeros(1);
  TBoardImage& board = read.Board;
  board.SizeX = in.I32();
  board.SizeY = in.I32();
  const std::uint32_t areas = in.U32();
  board.FirstMove = in.Bool();
  board.Lifeline = in.Bool();
  in.Zeros(2);
  if (!in.Sound || !HeaderFits(bytes, board.SizeX, board.SizeY, areas)) return false;

  board.Areas.resize(areas);
  for (TAreaImage& area : board.Areas) area = ReadArea(in);
  board.Cells.resize(std::size_t(board.SizeX) * std::size_t(board.SizeY));
  for (TCellImage& cell : board.Cells) cell = ReadCell(in);
  if (!in.Sound) return false;
  image = std::move(read);
  return true;
}
