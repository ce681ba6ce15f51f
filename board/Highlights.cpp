#include "board/Board.h"

// The two marks the board shows for a moment: the numbers that prove a hint,
// and the areas that flash when a number cannot be opened around. Both are
// drawing state, like the hover and the cursor: they change what PaintCell
// draws for their areas, which are flagged Changed whenever the mark comes,
// goes or steps on, so the next PaintChanged draws them.

namespace {

// A pale yellow under the numbers of a proof, framed in orange: the numbers
// stay black on it and the frame stands out on any area colour.
constexpr TColour ProofColour = 0x60E8FF;   // red 255, green 232, blue 96
constexpr TColour ProofOutline = 0x0078D6;  // red 214, green 120, blue 0
constexpr float ProofBlend = 0.7f;
// A flash is a warm red, on and off with the ticks.
constexpr TColour FlashColour = 0x4848FF;  // red 255, green 72, blue 72
constexpr float FlashBlend = 0.7f;
// Three times on, twice off between, about half a second. It is on as it
// starts and on the first tick after, so that it begins lit whether the
// action that started it was drawn at once (a key) or at the next tick (a
// click).
constexpr std::int32_t FlashTicks = 6;
bool FlashLit(std::int32_t ticksLeft) { return ticksLeft == FlashTicks || ticksLeft % 2 == 1; }

}  // namespace

void TBoard::ShowProof(const std::vector<std::int32_t>& areas) {
  ClearProof();
  for (const std::int32_t a : areas) {
    if (a < 0 || std::size_t(a) >= FAreas.size()) continue;
    FAreas[a]->Proof = true;
    FAreas[a]->Changed = true;
    FProofAreas.push_back(a);
  }
}

void TBoard::ClearProof() {
  for (const std::int32_t a : FProofAreas) {
    FAreas[a]->Proof = false;
    FAreas[a]->Changed = true;
  }
  FProofAreas.clear();
}

void TBoard::Flash(const std::vector<std::int32_t>& areas) {
  SetFlashing(false);
  FFlashAreas.clear();
  for (const std::int32_t a : areas)
    if (a >= 0 && std::size_t(a) < FAreas.size()) FFlashAreas.push_back(a);
  FFlashTicksLeft = FFlashAreas.empty() ? 0 : FlashTicks;
  SetFlashing(true);
}

// Its last step draws the areas plain again.
void TBoard::StepFlash() {
  if (FFlashTicksLeft == 0) return;
  if (--FFlashTicksLeft > 0) {
    for (const std::int32_t a : FFlashAreas) FAreas[a]->Changed = true;
    return;
  }
  SetFlashing(false);
  FFlashAreas.clear();
}

void TBoard::SetFlashing(bool flag) {
  for (const std::int32_t a : FFlashAreas) {
    FAreas[a]->Flashing = flag;
    FAreas[a]->Changed = true;
  }
}

TColour TBoard::EmphasisedFill(const TAreaProperties& area, TColour fill) const {
  if (area.Proof) fill = BlendColour(fill, ProofColour, ProofBlend);
  if (area.Flashing && FlashLit(FFlashTicksLeft)) fill = BlendColour(fill, FlashColour, FlashBlend);
  return fill;
}

// The proof's frame follows its area's outline: along each side where the
// cell meets another area, a dark line on the outermost pixels and an
// orange band inside it, which together stand out on any area colour. The
// lines are filled rectangles, so on a screen of more device pixels they
// keep their width in logical pixels instead of thinning to hairlines as
// one-pixel pen lines do.
void TBoard::PaintProofFrame(int column, int row, ICanvas& canvas) {
  const int size = std::min(FColumnRight[column] - FColumnLeft[column], FRowBottom[row] - FRowTop[row]) + 1;
  canvas.SetPenStyle(ps_Clear);
  canvas.SetBrushStyle(bs_Solid);
  if (size < 8) {
    PaintBand(column, row, 0, 1, ProofOutline, canvas);
    return;
  }
  PaintBand(column, row, 0, 1, clBlack, canvas);
  PaintBand(column, row, 1, size >= 16 ? 2 : 1, ProofOutline, canvas);
}

// A band of an area's outline within a cell, width pixels wide and inset
// pixels in from the sides where the cell meets another area.
void TBoard::PaintBand(int column, int row, int inset, int width, TColour colour, ICanvas& canvas) {
  const TCellRec& cell = Cell(column, row);
  const int l = FColumnLeft[column] + (cell.EdgeLeft ? inset : 0);
  const int r = FColumnRight[column] + 1 - (cell.EdgeRight ? inset : 0);
  const int t = FRowTop[row] + (cell.EdgeTop ? inset : 0);
  const int b = FRowBottom[row] + 1 - (cell.EdgeBottom ? inset : 0);
  if (l >= r || t >= b) return;
  width = std::min({width, r - l, b - t});
  canvas.SetBrushColour(colour);
  if (cell.EdgeTop) canvas.FillRect({l, t, r, t + width});
  if (cell.EdgeBottom) canvas.FillRect({l, b - width, r, b});
  if (cell.EdgeLeft) canvas.FillRect({l, t, l + width, b});
  if (cell.EdgeRight) canvas.FillRect({r - width, t, r, b});
}
