#include "game/ui/MainForm.h"

void TMainForm::TimerTickTimer() { Tick(); }
void TMainForm::Tick() {}
void TMainForm::ShowGameTime(std::int32_t) {}
