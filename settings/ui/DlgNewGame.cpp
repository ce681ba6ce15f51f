#include "settings/ui/DlgNewGame.h"
#include "game/ui/Forms.h"

TDlgNewGame::TDlgNewGame(TForms& forms, QWidget* parent) : QDialog(parent), Forms(forms) {}
TDlgNewGame::~TDlgNewGame() = default;
int TDlgNewGame::ShowModal() { FormShow(); return Forms.Seams.ExecDialog(*this); }
void TDlgNewGame::SetCurrentName(const QString& value) { FCurrentName = value; }
void TDlgNewGame::SetSizeX(int value) { FSizeX = value; }
void TDlgNewGame::SetSizeY(int value) { FSizeY = value; }
void TDlgNewGame::SetMinePopulation(int value) { FMinePopulation = value; }
void TDlgNewGame::SetHoles(int value) { FHoles = value; }
void TDlgNewGame::SetCellSize(int value) { FCellSize = value; }
void TDlgNewGame::SetLinking(int value) { FLinking = value; }
void TDlgNewGame::SetShapeRandom(bool value) { FShapeRandom = value; }
void TDlgNewGame::SetPatternID(int value) { FPatternID = value; }
void TDlgNewGame::SetTimedGame(bool value) { FTimedGame = value; }
void TDlgNewGame::SetGameSpeed(int value) { FGameSpeed = value; }
void TDlgNewGame::SetGameType(int value) { FGameType = value; }
void TDlgNewGame::SetDlgCompact(bool value) { FDlgCompact = value; }
int TDlgNewGame::HolesThreshold() const { return 0; }
int TDlgNewGame::ShapeThreshold() const { return 1; }
int TDlgNewGame::LinkThreshold() const { return 0; }
TGameRecord TDlgNewGame::BuildRecord() const { return {}; }
void TDlgNewGame::SaveLastGame(const TGameRecord&) {}
void TDlgNewGame::LoadLastGame(TGameRecord& dest) { dest.Score = NoRecordScore; }
void TDlgNewGame::FormShow() {}
void TDlgNewGame::OKBtnClick() {}
