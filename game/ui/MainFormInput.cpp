#include "game/ui/MainForm.h"

void TMainForm::BtnNewGameClick() {}
void TMainForm::StartGame() {}
void TMainForm::FormClick() {}
void TMainForm::FormMouseDown(Qt::MouseButton, int, int) {}
void TMainForm::FormMouseUp(Qt::MouseButton, int, int) {}
void TMainForm::FormMouseMove(int, int) {}
void TMainForm::FormKeyDown(int, Qt::KeyboardModifiers) {}
