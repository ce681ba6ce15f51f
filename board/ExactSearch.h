#pragma once
#include <chrono>
#include <cstdint>
#include <limits>
#include <vector>

#include "board/NumberConstraints.h"

// A moment after which a search gives up.
using TDeadline = std::chrono::steady_clock::time_point;

enum TSearchAnswer { sa_Yes, sa_No, sa_OutOfTime };

// The exact answer over any piece of a field, however large: covered areas
// and the numbers that bear on them, each number telling how many of its
// areas hold a mine. Where the solver's window search is bounded by size,
// this one is bounded by time, so it can settle what no window sees.
//
// An area and a number are in one group when they are joined through
// shared areas; groups do not bear on each other. A question about an area
// is answered within its group: the search assigns the group's areas in
// order of their distance from the area asked about, so that a value the
// numbers near it rule out is found out near it, and lets each number force
// its remaining areas as soon as it can. It keeps its own stack, so no
// group is too large for it.
class TExactSearch {
 public:
  void Clear();
  // A covered area; its index in the search (0, 1, ...).
  int AddArea();
  int AreaCount() const { return FConstraints.AreaCount(); }
  // A number: exactly need of these areas (indices from AddArea) hold a mine.
  void AddNumber(const std::vector<int>& areas, int need);

  // Whether some way of laying mines meets every number of the area's group
  // with the area holding a mine (value 1) or not (value 0). Each way found
  // is remembered: Seen tells whether an area has held the value in one.
  // Out of time at the deadline, or after this many decisions.
  TSearchAnswer CanBe(int area, int value, TDeadline deadline,
                      std::int64_t decisions = std::numeric_limits<std::int64_t>::max());
  bool Seen(int area, int value) const { return (value ? FSeenMine : FSeenSafe)[area] != 0; }

 private:
  struct TFrame {
    std::size_t Position;  // in FOrder
    std::size_t Mark;      // the assignment before the decision
    int Next;              // the value still to try, or -1
  };

  void Index();
  void OrderGroup(int area);
  TSearchAnswer Complete();
  bool OutOfTime();
  void NoteWay();

  TNumberConstraints FConstraints;
  bool FIndexed = false;
  std::vector<std::uint8_t> FSeenMine, FSeenSafe;

  // The question under way: the group's areas and numbers in the order
  // they are taken, and the assignment so far.
  std::vector<int> FOrder;
  std::vector<int> FGroupNumbers;
  std::vector<std::uint32_t> FAreaStamp, FNumberStamp;
  std::uint32_t FStamp = 0;
  std::vector<TFrame> FFrames;
  TDeadline FDeadline{};
  int FUntilClockLook = 0;
  std::int64_t FDecisionsLeft = 0;
};
