#include "game/ui/MainForm.h"

TScoreLayout TMainForm::ScoreLayout() const { return {}; }
void TMainForm::PaintScores() {}
