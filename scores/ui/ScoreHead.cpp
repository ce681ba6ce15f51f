#include "game/ui/MainForm.h"

void TMainForm::CreateScoreHead() {}
