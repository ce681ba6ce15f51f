#include "patterns/ui/PatternDlg.h"
#include <algorithm>
#include <charconv>
#include <functional>
#include <string>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include "ui/Cp1252.h"
#include "ui/ModalSeams.h"

// The chooser lists the pattern library afresh at every showing and keeps
// only the number of the row last selected; the pattern itself is looked up
// by that number when the player confirms.

namespace {
enum TPatternColumn { pc_RegNo, pc_Name, pc_Author, pc_Description, pc_Count };

struct TColumnLimits {
  int Initial, Least, Greatest;
};

constexpr int NoLimit = 1 << 20;
constexpr TColumnLimits ColumnLimits[pc_Count] = {
    {47, 47, 65}, {100, 100, NoLimit}, {100, 100, NoLimit}, {120, 120, NoLimit}};
// FormShow asks for this width; the column's greatest width caps it.
constexpr int RegNoWidthAtShow = 120;

// The list answers a double-click anywhere in it, on a row or below the
// rows, after the press has done its usual selecting. A press below the
// rows keeps the selected row, so that a double-click there confirms it.
class TPatternList : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  std::function<void()> OnDoubleClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (indexAt(event->position().toPoint()).isValid()) QTreeWidget::mousePressEvent(event);
    else event->accept();
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDoubleClick) OnDoubleClick();
  }
};

// The row's "Reg No" text as a 32-bit number, when it is one.
bool ReadRegNo(const QString& text, std::int32_t& value) {
  const std::string digits = text.trimmed().toStdString();
  const char* first = digits.data();
  const char* last = first + digits.size();
  if (first != last && *first == '+') ++first;
  std::int32_t parsed = 0;
  const auto [end, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || end != last || first == last) return false;
  value = parsed;
  return true;
}

QTreeWidgetItem* MakeRow(const TTess& pattern) {
  auto* row = new QTreeWidgetItem;
  row->setText(pc_RegNo, QString::number(qlonglong(pattern.RegNo)));
  row->setText(pc_Name, FromCp1252(pattern.Name));
  row->setText(pc_Author, FromCp1252(pattern.Author));
  row->setText(pc_Description, FromCp1252(pattern.Description));
  return row;
}
}  // namespace

TPatternDlg::TPatternDlg(TModalSeams& seams, QWidget* parent)
    : QDialog(parent), ChosenPattern(std::make_unique<TTess>()), Seams(seams) {
  setObjectName("PatternDlg");
  setWindowTitle(tr("Choose Pattern"));
  QFont font("Tahoma");
  font.setPointSize(8);
  setFont(font);
  resize(630, 299);
  setSizeGripEnabled(true);
  // Empty until the player confirms a choice.
  ChosenPattern->RegNo = 0;
  ChosenPattern->Author.clear();
  ChosenPattern->Name.clear();
  CreateList();
  CreateButtonBar();
  FormCreate();
}

TPatternDlg::~TPatternDlg() = default;

void TPatternDlg::CreateList() {
  auto* list = new TPatternList(this);
  list->OnDoubleClick = [this] { ListViewPatternsDblClick(); };
  ListViewPatterns = list;
  ListViewPatterns->setObjectName("ListViewPatterns");
  ListViewPatterns->setFrameShape(QFrame::NoFrame);
  ListViewPatterns->setRootIsDecorated(false);
  ListViewPatterns->setItemsExpandable(false);
  ListViewPatterns->setUniformRowHeights(true);
  ListViewPatterns->setAllColumnsShowFocus(true);
  ListViewPatterns->setSelectionMode(QAbstractItemView::SingleSelection);
  ListViewPatterns->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListViewPatterns->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListViewPatterns->setHeaderLabels({tr("Reg No"), tr("Name"), tr("Author"), tr("Description")});
  ListViewPatterns->setAccessibleName(tr("Patterns"));
  QHeaderView* header = ListViewPatterns->header();
  header->setSectionsClickable(false);
  header->setSectionsMovable(false);
  header->setStretchLastSection(true);
  header->setMinimumSectionSize(ColumnLimits[pc_RegNo].Least);
  for (int column = 0; column < pc_Count; ++column)
    header->resizeSection(column, ColumnLimits[column].Initial);
  connect(header, &QHeaderView::sectionResized, this,
          [this](int column, int, int width) { KeepColumnWithinLimits(column, width); });
  connect(ListViewPatterns, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { ListViewPatternsChange(current); });
}

void TPatternDlg::CreateButtonBar() {
  OKBtn = new QPushButton(tr("OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(tr("Cancel"), this);
  CancelBtn->setObjectName("CancelBtn");
  for (QPushButton* button : {OKBtn, CancelBtn}) button->setFixedSize(75, 25);
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(8, 8, 8, 8);
  bar->setSpacing(6);
  bar->addStretch(1);
  bar->addWidget(OKBtn);
  bar->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ListViewPatterns, 1);
  layout->addLayout(bar);
}

void TPatternDlg::FormCreate() { SelectedRegNo = -1; }

void TPatternDlg::KeepColumnWithinLimits(int column, int width) {
  if (column < 0 || column >= pc_Count) return;
  const TColumnLimits& limits = ColumnLimits[column];
  const int kept = std::clamp(width, limits.Least, limits.Greatest);
  if (kept != width) ListViewPatterns->header()->resizeSection(column, kept);
}

int TPatternDlg::ShowModal() {
  FormShow();
  CentreOnScreen();
  return Seams.ExecDialog ? Seams.ExecDialog(*this) : int(QDialog::Rejected);
}

void TPatternDlg::CentreOnScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void TPatternDlg::FormShow() {
  {
    // Emptying the list is no selection by the player.
    const QSignalBlocker blocker(ListViewPatterns);
    ListViewPatterns->clear();
  }
  ListViewPatterns->header()->resizeSection(pc_RegNo, RegNoWidthAtShow);
  FillPatternList();
}

void TPatternDlg::FillPatternList() {
  const QSignalBlocker blocker(ListViewPatterns);
  QList<QTreeWidgetItem*> rows;
  TTess pattern;  // one record for every file: the reader starts each from its defaults
  for (const std::string& path : ListPatternFiles()) {
    ReadPattern(path, pattern);
    rows.append(MakeRow(pattern));
  }
  ListViewPatterns->addTopLevelItems(rows);
  // No row is current until the player picks one, so that picking the
  // first row is a change too.
  ListViewPatterns->setCurrentItem(nullptr);
}

void TPatternDlg::ListViewPatternsChange(QTreeWidgetItem* row) {
  if (!row) return;
  const QString text = row->text(pc_RegNo);
  std::int32_t number = 0;
  if (ReadRegNo(text, number)) {
    SelectedRegNo = number;
    return;
  }
  if (Seams.ShowError) Seams.ShowError(this, tr("'%1' is not a valid integer value").arg(text));
}

void TPatternDlg::LookUpChosenPattern() {
  if (SelectedRegNo == -1) return;
  // Looked up into a scratch record whose number cannot match by accident,
  // so that every file is searched and a failed lookup leaves the chosen
  // pattern as it was.
  TTess found;
  found.RegNo = std::int64_t(SelectedRegNo) + 1;
  FindPattern(SelectedRegNo, found);
  if (found.RegNo == SelectedRegNo) *ChosenPattern = found;
}

void TPatternDlg::OKBtnClick() {
  LookUpChosenPattern();
  accept();
}

void TPatternDlg::ListViewPatternsDblClick() {
  if (ListViewPatterns->selectedItems().isEmpty()) return;
  OKBtnClick();
}
