#include "board/Board.h"

void TBoard::Generate(TGameRecord, std::int32_t& clock, std::int32_t& score) { clock = 0; score = 100; }
bool TBoard::Uncover(int, int, std::int32_t, std::int32_t&, std::int32_t&, bool) { return false; }
void TBoard::ToggleMark(int, int, std::int32_t&) {}
void TBoard::Tint(int, int) {}
void TBoard::RevealMines(ICanvas&) {}
bool TBoard::IsCleared() const { return true; }
std::int32_t TBoard::UnexploredCount() const { return 0; }
void TBoard::SetLifeline(bool flag) { Lifeline = flag; }
void TBoard::LayOut(int, int, int) {}
bool TBoard::CellAt(int, int, int& column, int& row) const { column = row = -1; return false; }
void TBoard::PaintCell(int, int, ICanvas&) {}
void TBoard::PaintAll(ICanvas&) {}
void TBoard::PaintChanged(ICanvas&) {}
void TBoard::HoverAt(int, int, ICanvas&) {}
void TBoard::ClearHover() {}
void TBoard::PulseHover() {}
void TBoard::SetOneMark(bool flag, ICanvas&) { OneMark = flag; }
