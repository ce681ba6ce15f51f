#include "game/ui/MainForm.h"

void TMainForm::LoseGame() {}
void TMainForm::CheckSuccess() {}
void TMainForm::SpeedButtonLifelineClick() {}
void TMainForm::SetNumLifelines(int value) { FNumLifelines = value; }
void TMainForm::SetUsingLifeline(bool value) { FUsingLifeline = value; }
