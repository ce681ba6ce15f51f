#pragma once

// The options of the popup menu that change how a game is played. They
// hold from game to game and are remembered from run to run; both are off
// unless the player chooses them. ("One Mark in Areas" changes only how
// the field is drawn: the board keeps it.)
struct TPlayOptions {
  // The mines are laid at the first uncover so that the field can be
  // cleared by deduction from there.
  bool NoGuess = false;
  // A click or Space on an uncovered number whose marks are all placed
  // uncovers the rest of the areas it touches.
  bool OpenAround = false;

  bool operator==(const TPlayOptions&) const = default;
};

// One option, to change or store alone.
enum TPlayOption { po_NoGuess, po_OpenAround };
