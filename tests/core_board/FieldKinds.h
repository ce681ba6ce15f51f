#pragma once
#include <random>

#include "BoardTestSupport.h"

// The kinds of field the game makes, for tests that go over all of them.
enum TFieldKind { fk_Plain, fk_Shaped, fk_Linked, fk_Holed, fk_Pattern, fk_Kinds };
inline const char* const FieldKindNames[fk_Kinds] = {"plain", "shaped", "linked", "holed", "pattern"};

// Three small patterns, one with holes, for fields of the pattern kind; a
// test writes them into its scratch directory.
inline const char* const KindPatternFiles[][2] = {
    {"Patterns/bricks.tes", "101\nx\nBricks\n\n0\n0\n3\n2\n2\n2\n11.\n.22\n"},
    {"Patterns/crosses.tes", "102\nx\nCrosses and holes\n\n0\n0\n3\n3\n3\n3\n-1-\n111\n-1#\n"},
    {"Patterns/ells.tes", "103\nx\nElls\n\n0\n0\n2\n2\n2\n2\n12\n22\n"},
};

inline void WriteKindPatterns(const TScratchDir& dir) {
  for (const auto& [path, text] : KindPatternFiles) dir.WriteFile(path, text);
}

// A record of this kind, columns x rows, with the feature's density drawn
// from a range the dialog offers.
inline TGameRecord KindRecord(TFieldKind kind, int columns, int rows, std::mt19937& draw) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
  TGameRecord record = PlainRecord(columns, rows);
  switch (kind) {
    case fk_Shaped: record.CellSize = pick(15, 40); break;
    case fk_Linked: record.Linking = pick(10, 60); break;
    case fk_Holed: record.Holes = pick(25, 100); break;
    case fk_Pattern:
      record.PatternFlag = 1;
      record.PatternID = 101 + pick(0, 2);
      break;
    default: break;
  }
  return record;
}
