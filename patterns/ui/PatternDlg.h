#pragma once
#include <cstdint>
#include <memory>
#include <QDialog>
#include "patterns/Pattern.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct TModalSeams;

// The modal "Choose Pattern" dialog: every Patterns/*.tes file in a list.
class TPatternDlg : public QDialog {
  Q_OBJECT
  Q_PROPERTY(int SelectedRegNo READ SelectedRegNoValue)

 public:
  TPatternDlg(TModalSeams& seams, QWidget* parent = nullptr);
  ~TPatternDlg() override;

  // FormShow, then the dialog runs modally through the program's seam.
  int ShowModal();

  void FormShow();
  void FillPatternList();
  void OKBtnClick();
  // The list's current row changed to row (null: none).
  void ListViewPatternsChange(QTreeWidgetItem* row);
  // A double-click anywhere on the list: OK when a row is selected.
  void ListViewPatternsDblClick();

  int SelectedRegNoValue() const { return SelectedRegNo; }

  // The number last selected in the list; -1 for none. Survives showings.
  std::int32_t SelectedRegNo = -1;
  // Filled by OK; starts empty (number 0, empty texts).
  std::unique_ptr<TTess> ChosenPattern;

  QTreeWidget* ListViewPatterns = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  TModalSeams& Seams;

  void FormCreate();
  void CreateList();
  void CreateButtonBar();
  void CentreOnScreen();
  // Columns have a least and a greatest width, which the header itself
  // does not know about.
  void KeepColumnWithinLimits(int column, int width);
  void LookUpChosenPattern();
};
