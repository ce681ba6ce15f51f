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
constexpr float ProofBlend = 0.6f;
// A flash is a warm red, on and off with every tick.
constexpr TColour FlashColour = 0x4848FF;  // red 255, green 72, blue 72
constexpr float FlashBlend = 0.7f;
// Three times on, twice off between: six ticks, about half a second.
constexpr std::int32_t FlashTicks = 6;

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

// The flash is on while the ticks left are even: at once, and every second
// tick after. Its last step draws the areas plain again.
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
  if (area.Flashing && FFlashTicksLeft % 2 == 0) fill = BlendColour(fill, FlashColour, FlashBlend);
  return fill;
}

// The proof's frame follows its area's outline, two pixels wide where the
// cells are large enough to keep room for the number.
void TBoard::PaintProofFrame(int column, int row, ICanvas& canvas) {
  canvas.SetPenStyle(ps_Solid);
  canvas.SetPenWidth(1);
  const int size = FColumnRight[column] - FColumnLeft[column] + 1;
  const int width = size >= 16 ? 2 : 1;
  for (int inset = 0; inset < width; ++inset) PaintOutline(column, row, inset, ProofOutline, canvas);
}
