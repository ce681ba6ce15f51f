#include "game/ui/MainForm.h"

void TMainForm::ScoresMouseMove(int, int) {}
void TMainForm::ScoresClick() {}
