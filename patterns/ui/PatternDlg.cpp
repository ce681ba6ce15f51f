#include "patterns/ui/PatternDlg.h"
#include "game/ui/Forms.h"

TPatternDlg::TPatternDlg(TForms& forms, QWidget* parent)
    : QDialog(parent), ChosenPattern(std::make_unique<TTess>()), Forms(forms) {
  ChosenPattern->RegNo = 0;
}
TPatternDlg::~TPatternDlg() = default;
int TPatternDlg::ShowModal() { FormShow(); return Forms.Seams.ExecDialog(*this); }
void TPatternDlg::FormShow() { FillPatternList(); }
void TPatternDlg::FillPatternList() {}
void TPatternDlg::OKBtnClick() {}
