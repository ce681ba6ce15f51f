#pragma once
#include "ui/ModalSeams.h"

class TMainForm;
class TDlgNewGame;
class TAboutBox;
class TPatternDlg;

// The program's four windows, created at start in this order and living for
// the whole run. A pointer is null until its window exists.
struct TForms {
  explicit TForms(TModalSeams& seams) : Seams(seams) {}
  TModalSeams& Seams;
  TMainForm* MainForm = nullptr;
  TDlgNewGame* DlgNewGame = nullptr;
  TAboutBox* AboutBox = nullptr;
  TPatternDlg* PatternDlg = nullptr;
};
