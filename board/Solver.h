#pragma once
#include <cstdint>
#include <vector>
#include "board/AreaGraph.h"
#include "board/WindowSearch.h"

// What the solver knows of an area.
enum TAreaFact : std::uint8_t { af_Unknown, af_Safe, af_Mine, af_Hole };

// Deduction on a field from what the player sees, and nothing else: which
// areas are uncovered and the numbers they show, which areas touch which
// (shapes and links), and the mines known for certain. Every fact it finds
// holds in every placement of mines that agrees with what it was told; the
// total number of mines is never used.
//
// It reasons in three steps, each cheaper than the next and each tried only
// when the ones before have nothing more to say:
// - one number alone: when the mines it still needs are none, or all of its
//   covered areas, they are all safe, or all mines;
// - two numbers that share covered areas: the mines of the shared part are
//   bounded by both, which may settle the shared part or either remainder
//   (a number whose areas lie within another's is the common case);
// - a window of nearby numbers over at most a few dozen covered areas,
//   searched exhaustively for what every way of meeting them agrees on.
class TSolver {
 public:
  // How far the solver reasons: numbers alone and in pairs, or windows too.
  enum TReach { rc_Pairs, rc_Windows };

  // The graph must outlive the solver.
  explicit TSolver(const TAreaGraph& graph, TReach reach = rc_Windows);

  // An uncovered area shows this number.
  void Reveal(std::int32_t area, std::int32_t number);
  // A mine known for certain (one defused by the grace or a lifeline, or one
  // found by deduction earlier).
  void KnowMine(std::int32_t area);
  // The number shown by a revealed area changes by delta: a covered area
  // beside it has gained or lost its mine. Used while mines are being
  // placed, never in play.
  void ShiftNumber(std::int32_t area, std::int32_t delta);

  // Reasons until nothing more follows, or until areas found safe wait to be
  // taken (uncovering them tells more than any further reasoning could).
  // Returns whether such areas wait.
  bool Deduce();
  // The areas found safe that are not revealed yet, and the mines found,
  // each given once, in the order they were found.
  bool TakeSafe(std::int32_t& area);
  bool TakeMine(std::int32_t& area);

  const TAreaGraph& Graph() const { return FGraph; }
  TAreaFact Fact(std::int32_t area) const { return TAreaFact(FFact[area]); }
  bool Revealed(std::int32_t area) const { return FRevealed[area] != 0; }
  // The covered areas of unknown content beside a revealed area, and how
  // many of them hold a mine.
  std::int32_t Open(std::int32_t area) const { return FOpen[area]; }
  std::int32_t Need(std::int32_t area) const { return FNeed[area]; }
  std::int32_t KnownMines() const { return FKnownMines; }
  // The work done so far, in steps of about one look at a neighbour: the
  // no-guess placement bounds its search by it rather than by the clock.
  std::int64_t Effort() const { return FEffort; }
  // The revealed areas whose numbers settled this area: those of the rule
  // that settled it, and those of the rules that settled the areas beside
  // them before it, back to what the solver was told. Every way of laying
  // mines that gives just these numbers (revealed areas holding none)
  // settles the area alike. Empty for an area revealed, told or unknown;
  // not kept up for numbers that ShiftNumber changed.
  std::vector<std::int32_t> Reasons(std::int32_t area);

 private:
  // A queue of revealed areas to look at again, each in it at most once.
  class TWorkList {
   public:
    void Resize(std::size_t size) { FQueued.assign(size, 0); }
    void Push(std::int32_t area) {
      if (FQueued[area]) return;
      FQueued[area] = 1;
      FItems.push_back(area);
    }
    bool Pop(std::int32_t& area) {
      if (FItems.empty()) return false;
      area = FItems.back();
      FItems.pop_back();
      FQueued[area] = 0;
      return true;
    }

   private:
    std::vector<std::int32_t> FItems;
    std::vector<std::uint8_t> FQueued;
  };

  void Resolve(std::int32_t area, TAreaFact fact);
  // The numbers of the rule about to settle areas, until EndReason. A rule
  // that counts only the mines beside its numbers (a number whose mines
  // are all known makes the rest safe) says so: the safe areas beside
  // them then play no part in it.
  template <typename TNumbers>
  void BeginReason(const TNumbers& numbers, bool minesOnly = false) {
    FReasonNumbers.insert(FReasonNumbers.end(), std::begin(numbers), std::end(numbers));
    FReasonStart.push_back(std::int32_t(FReasonNumbers.size()));
    FReasonMinesOnly.push_back(minesOnly);
    FReason = std::int32_t(FReasonStart.size()) - 2;
  }
  void EndReason() { FReason = -1; }
  void Touch(std::int32_t revealed);
  bool SafeWaiting();
  std::uint32_t NextStamp();
  bool Constraining(std::int32_t area) const { return FRevealed[area] && FOpen[area] > 0; }

  void SettleAlone(std::int32_t revealed);
  void SettleAll(std::int32_t revealed, TAreaFact fact);
  bool ComparePairs(std::int32_t revealed);
  bool SettlePair(std::int32_t first, std::int32_t second, std::int32_t shared);
  bool SearchWindow(std::int32_t seed);
  bool BuildWindow(std::int32_t seed);

  const TAreaGraph& FGraph;
  TReach FReach;
  std::vector<std::uint8_t> FFact;
  std::vector<std::uint8_t> FRevealed;
  std::vector<std::int32_t> FNeed;  // per revealed area: mines still to find
  std::vector<std::int32_t> FOpen;  // per revealed area: unknown areas beside it
  std::int32_t FKnownMines = 0;
  std::int64_t FEffort = 0;

  TWorkList FAlone;    // numbers to read on their own
  TWorkList FPairs;    // numbers to compare with their neighbours
  TWorkList FWindows;  // numbers to search a window round
  // Per revealed area: it lay in a window searched in vain and nothing
  // beside it has changed since, so a window round it would find nothing.
  std::vector<std::uint8_t> FSearched;
  std::vector<std::int32_t> FSafeFound, FMinesFound;
  std::size_t FSafeTaken = 0, FMinesTaken = 0;
  // Per area: the reason that settled it (-1 none) and its place in the
  // order areas were settled in; per reason, its numbers.
  std::vector<std::int32_t> FReasonOf, FSettledAt;
  std::int32_t FSettled = 0;
  std::vector<std::int32_t> FReasonStart{0}, FReasonNumbers;
  std::vector<std::uint8_t> FReasonMinesOnly;
  std::int32_t FReason = -1;

  // Scratch of one comparison or window: a stamp per area tells whether the
  // area was met in this pass, and what it was given there.
  std::vector<std::uint32_t> FStamp;
  std::vector<std::int32_t> FValue;
  std::uint32_t FStampValue = 0;
  std::vector<std::int32_t> FPartners;
  std::vector<std::int32_t> FWindowAreas, FWindowQueue, FWindowNumbers;
  std::vector<int> FWindowNumber;
  TWindowSearch FSearch;
};
