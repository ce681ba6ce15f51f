// Scores.dat as the score screen reads it: the filtered, ordered list of the
// best games, the match distance, and an append to the damaged file.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "scores/ScoreTable.h"
#include "settings/GameRecord.h"

namespace {

constexpr const char* ScoresPath = "Scores.dat";

std::vector<TGameRecord> Records(std::span<const std::uint8_t> bytes) {
  std::vector<TGameRecord> records;
  for (std::size_t at = 0; at + GameRecordSize <= bytes.size(); at += GameRecordSize)
    records.push_back(DecodeRecord(bytes.data() + at));
  return records;
}

// The filter and the reference record, drawn from the input: the reference
// is one of the file's own records (or a plain game), so the match filter
// meets near and far settings alike.
struct TQuery {
  TGameRecord Reference;
  TScoreFilter Filter;
  int Rows = 0;
};

TQuery QueryFor(const std::vector<TGameRecord>& records, std::uint64_t digest) {
  TQuery query;
  if (!records.empty()) query.Reference = records[digest % records.size()];
  else {
    query.Reference.SizeX = query.Reference.SizeY = 15;
    query.Reference.MinePopulation = 80;
  }
  query.Filter.PlayerOnly = (digest >> 20) & 1;
  query.Filter.PlayerName = records.empty() || (digest >> 21) % 4 == 0
                                ? std::string("Nobody")
                                : records[(digest >> 23) % records.size()].PlayerName();
  query.Filter.MatchLevel = (digest >> 30) % 3 == 0 ? MatchLevelAll : int((digest >> 32) % 76);
  // Mostly the score screen's own row counts, sometimes none or too many.
  static constexpr std::array<int, 6> Odd = {0, -1, 47, 48, 49, 1000};
  query.Rows = (digest >> 40) % 8 == 0 ? Odd[(digest >> 43) % Odd.size()] : int(3 + (digest >> 46) % 44);
  return query;
}

bool Passes(const TGameRecord& r, const TQuery& query) {
  if (query.Filter.PlayerOnly && r.PlayerName() != query.Filter.PlayerName.substr(0, MaxNameLength))
    return false;
  if (query.Filter.MatchLevel < MatchLevelAll &&
      MatchDistance(query.Reference, r) > query.Filter.MatchLevel)
    return false;
  return r.Score > 0;
}

// The list the rules ask for, built plainly: the passing games, best first,
// older first among equals, cut to the rows, the rest placeholders.
std::vector<TGameRecord> ExpectedRows(const std::vector<TGameRecord>& records, const TQuery& query,
                                      int rows) {
  std::vector<TGameRecord> passing;
  for (const TGameRecord& r : records)
    if (Passes(r, query)) passing.push_back(r);
  std::stable_sort(passing.begin(), passing.end(),
                   [](const TGameRecord& a, const TGameRecord& b) { return a.Score > b.Score; });
  passing.resize(std::min<std::size_t>(passing.size(), std::size_t(rows)));
  while (int(passing.size()) < rows) passing.push_back(PlaceholderRow());
  return passing;
}

void CheckDistance(const TGameRecord& a, const TGameRecord& b) {
  const std::int32_t d = MatchDistance(a, b);
  fuzz::Check(d == 0 || d >= 2, "a match distance of 1 or below 0");
  fuzz::Check(d == MatchDistance(b, a), "the match distance is not symmetric");
  fuzz::Check(MatchDistance(a, a) == 0, "a game is not at distance 0 from itself");
  // Name, score, clock, thresholds and pattern take no part.
  TGameRecord twin = b;
  twin.SetPlayerName("someone else");
  twin.Score ^= 0x55;
  twin.Clock = ~twin.Clock;
  twin.HolesThreshold ^= 3;
  twin.PatternFlag ^= 1;
  twin.PatternID = ~twin.PatternID;
  fuzz::Check(MatchDistance(a, twin) == d, "the distance depends on more than the settings");
}

void CheckList(const std::vector<TGameRecord>& records, const TQuery& query) {
  std::vector<TGameRecord> rows(MaxScoreRows + 1);
  rows[0] = query.Reference;
  LoadScoreRows(ScoresPath, rows, query.Rows, query.Filter);
  fuzz::Check(rows[0] == query.Reference, "the reference record was changed");
  const int n = std::clamp(query.Rows, 0, MaxScoreRows);
  bool placeholders = false;
  for (int i = 1; i <= n; ++i) {
    const TGameRecord& row = rows[i];
    if (i > 1) fuzz::Check(rows[i - 1].Score >= row.Score, "the rows are not in descending order");
    if (row.Score == 0) {
      placeholders = true;
      fuzz::Check(row == PlaceholderRow(), "a row of score 0 that is no placeholder");
      continue;
    }
    fuzz::Check(!placeholders, "a game listed after a placeholder");
    fuzz::Check(row.Score > 0, "a listed score of 0 or less");
    fuzz::Check(Passes(row, query), "a listed game that fails the filter");
  }
  const std::vector<TGameRecord> expected = ExpectedRows(records, query, n);
  fuzz::Check(std::equal(expected.begin(), expected.end(), rows.begin() + 1),
              "the list is not the best passing games, oldest first among equals");
}

// An append writes at the last record boundary and keeps every earlier
// record byte for byte.
void CheckAppend(std::span<const std::uint8_t> bytes, const TGameRecord& record) {
  fuzz::Check(AppendScore(ScoresPath, record), "the append failed");
  const std::string after = fuzz::ReadFile(ScoresPath);
  const std::size_t boundary = bytes.size() / GameRecordSize * GameRecordSize;
  fuzz::Check(after.size() == boundary + GameRecordSize, "the file does not end on the new record");
  fuzz::Check(std::memcmp(after.data(), bytes.data(), boundary) == 0, "an earlier record changed");
  const TRecordBytes encoded = EncodeRecord(record);
  fuzz::Check(std::memcmp(after.data() + boundary, encoded.data(), GameRecordSize) == 0,
              "the appended record is not the game's");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::EnterWorkDirectory(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::WriteFile(ScoresPath, bytes);
  const std::vector<TGameRecord> records = Records(bytes);
  const std::uint64_t digest = fuzz::Digest(bytes);
  const TQuery query = QueryFor(records, digest);
  CheckList(records, query);
  for (std::size_t i = 0; i < std::min<std::size_t>(records.size(), 8); ++i)
    CheckDistance(query.Reference, records[i]);
  CheckAppend(bytes, query.Reference);
  return 0;
}
