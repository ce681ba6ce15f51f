#include "scores/ScoreTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>
#include <sys/stat.h>

#include "settings/FileHandle.h"
#include "settings/SafeWrite.h"

namespace {

// The score list has 48 rows after its reference; a caller's n is kept to
// that and to the rows it actually passed.
int UsableRows(std::span<TGameRecord> rows, int n) {
  if (rows.empty()) return 0;
  const int available = static_cast<int>(std::min<std::size_t>(rows.size() - 1, MaxScoreRows));
  return std::clamp(n, 0, available);
}

// a - b as the game has always computed it: in 32 bits, wrapping around.
// Done in 64 bits and cut explicitly, so no overflow is undefined.
float Difference(std::int32_t a, std::int32_t b) {
  const auto wrapped = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(std::int64_t{a} - std::int64_t{b}));
  return static_cast<float>(wrapped);
}

// The square root of the difference of the two field areas. Valid fields
// have at most 148 x 100 cells, but a damaged record can hold any sizes, so
// the products and their difference are taken exactly in 64 bits (they
// always fit) instead of wrapping: a nonsense size then lies far away.
float AreaDifference(const TGameRecord& a, const TGameRecord& b) {
  const std::int64_t areaA = std::int64_t{a.SizeX} * a.SizeY;
  const std::int64_t areaB = std::int64_t{b.SizeX} * b.SizeY;
  const std::int64_t difference = areaA - areaB;
  const std::uint64_t magnitude = difference < 0 ? 0 - static_cast<std::uint64_t>(difference)
                                                 : static_cast<std::uint64_t>(difference);
  // Below 2^53 the difference is exact in a double, and a correctly rounded
  // double root rounds to the same float as the extended one (53 bits are
  // more than twice a float's 24 plus two), at a fraction of the cost.
  constexpr std::uint64_t ExactInDouble = std::uint64_t{1} << 53;
  if (magnitude < ExactInDouble)
    return static_cast<float>(std::sqrt(static_cast<double>(magnitude)));
  return static_cast<float>(std::sqrt(static_cast<long double>(magnitude)));
}

long double Squared(float value) {
  const long double wide = value;
  return wide * wide;
}

// Rounds to the nearest integer, halves to even (the default rounding mode,
// which the game never changes), and keeps the distance (D + 1) within 32
// bits. llrint is a plain rounding conversion, where nearbyint would save
// and restore the floating-point environment on every call.
std::int32_t RoundedDistance(long double scaled) {
  constexpr auto Largest = std::numeric_limits<std::int32_t>::max();
  if (!(scaled < static_cast<long double>(Largest))) return Largest;
  const long long whole = std::llrint(scaled);
  if (whole <= 0) return 0;
  return whole >= Largest - 1 ? Largest : static_cast<std::int32_t>(whole + 1);
}

// Records in the score file are visited in large blocks, never one read per
// record: the whole file is read on every paint of the score screen. Only
// the first size bytes are read, the file's size when the reading began: a
// record that another copy of the game appends meanwhile shows at the next
// paint, and a trailing fragment that it overwrites is never joined to the
// new record's tail.
template <class TEachRecord>
void ForEachRecord(std::FILE* file, std::uint64_t size, TEachRecord&& eachRecord) {
  constexpr std::size_t RecordsPerBlock = 682;  // just under 64 KiB
  std::vector<std::uint8_t> block(RecordsPerBlock * GameRecordSize);
  std::size_t kept = 0;  // bytes of a record split across two blocks
  while (size > 0) {
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(block.size() - kept, size));
    const std::size_t got = std::fread(block.data() + kept, 1, wanted, file);
    size -= got;
    const std::size_t filled = kept + got;
    const std::size_t whole = filled / GameRecordSize * GameRecordSize;
    for (std::size_t offset = 0; offset < whole; offset += GameRecordSize)
      eachRecord(block.data() + offset);
    kept = filled - whole;
    std::copy(block.begin() + whole, block.begin() + filled, block.begin());
    if (got == 0) break;  // the end, or an error: a trailing fragment is no record
  }
}

// The size of an open file, or 0 for one whose size cannot be told.
std::uint64_t SizeOf(std::FILE* file) {
  struct stat st {};
  if (::fstat(fileno(file), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

}  // namespace

bool AppendScore(const std::string& path, const TGameRecord& record) {
  // Another copy of the game may append at the same moment: the lock lets
  // one find the end and write there before the other looks.
  const TRecordBytes bytes = EncodeRecord(record);
  return AppendRecordLocked(path, bytes);
}

std::int32_t MatchDistance(const TGameRecord& a, const TGameRecord& b) {
  const float dArea = AreaDifference(a, b);
  const float dMines = Difference(a.MinePopulation, b.MinePopulation);
  const float dHoles = Difference(a.Holes, b.Holes);
  const float dCells = Difference(a.CellSize, b.CellSize);
  const float dLink = Difference(a.Linking, b.Linking);
  // Time pressure only compares two timed games.
  const float dSpeed = a.Timed() && b.Timed() ? Difference(a.GameSpeed, b.GameSpeed) : 0.0f;
  const float dTimed = static_cast<float>(int{a.Timed()} - int{b.Timed()});
  const long double sum = 0.1L * Squared(dArea) + 0.02L * Squared(dMines) +
                          0.02L * Squared(dHoles) + 0.06L * Squared(dCells) +
                          0.05L * Squared(dLink) + 0.2L * Squared(dSpeed) +
                          2.0L * Squared(dTimed);
  // 75/59 stretches the distance of the most different sensible settings to
  // the match slider's range.
  return RoundedDistance(std::sqrt(sum) * 1.2711864406779661L);
}

TGameRecord PlaceholderRow() {
  TGameRecord row;
  row.SetPlayerName("Nobody");
  return row;
}

void InsertScore(std::span<TGameRecord> rows, const TGameRecord& r, int n) {
  n = UsableRows(rows, n);
  int k = n;
  while (k > 0 && r.Score > rows[k].Score) --k;
  if (k + 1 > n) return;
  for (int row = n; row > k + 1; --row) rows[row] = rows[row - 1];
  rows[k + 1] = r;
}

void LoadScoreRows(const std::string& path, std::span<TGameRecord> rows, int n,
                   const TScoreFilter& filter) {
  n = UsableRows(rows, n);
  for (int row = 1; row <= n; ++row) rows[row] = PlaceholderRow();
  if (n == 0) return;
  TFileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return;
  // Held until the file is closed: no record is half written meanwhile.
  LockForReading(fileno(file.get()));
  const std::uint64_t size = SizeOf(file.get());

  const TGameRecord reference = rows[0];
  const std::string player = filter.PlayerName.substr(0, MaxNameLength);
  const bool matchFiltered = filter.MatchLevel < MatchLevelAll;
  ForEachRecord(file.get(), size, [&](const std::uint8_t* bytes) {
    // The score test is the cheapest and rejects most records once the list
    // is full; the three tests only ever skip, so their order changes nothing.
    if (DecodeScore(bytes) <= rows[n].Score) return;
    const TGameRecord r = DecodeRecord(bytes);
    if (filter.PlayerOnly && r.PlayerName() != player) return;
    if (matchFiltered && MatchDistance(reference, r) > filter.MatchLevel) return;
    InsertScore(rows, r, n);
  });
}
