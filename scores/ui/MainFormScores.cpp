#include "game/ui/MainForm.h"

void TMainForm::SetShowPlayerOnly(bool value) { FShowPlayerOnly = value; }
void TMainForm::AppendScore(const TGameRecord& record) { ::AppendScore(ScoresFile, record); }
void TMainForm::LoadScores(int) {}
