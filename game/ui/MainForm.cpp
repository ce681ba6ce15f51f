#include "game/ui/MainForm.h"
#include "board/ui/QtCanvas.h"
#include "game/ui/Forms.h"

TMainForm::TMainForm(TForms& forms) : Forms(forms), FCanvas(std::make_unique<TQtCanvas>()) {}
TMainForm::~TMainForm() = default;

void TMainForm::SetScreenShown(TScreenShown value) { FScreenShown = value; }
void TMainForm::SetTicking(bool value) { FTicking = value; }
void TMainForm::SetGameActive(bool value) { FGameActive = value; }
void TMainForm::BtnPauseClick() {}
void TMainForm::MenuPauseResumeClick() {}
void TMainForm::BtnBossClick() {}
void TMainForm::MenuBossClick() {}
void TMainForm::MenuViewClick() {}
void TMainForm::BtnPopClick() {}
void TMainForm::OneMark1Click() {}
void TMainForm::About1Click() {}
void TMainForm::DisplayHint(const QString&) {}
void TMainForm::ShowScore() {}
void TMainForm::GenerateBoard(const TGameRecord&) {}
void TMainForm::TakeSettingsFromDialog() {}
void TMainForm::FormResize() {}
void TMainForm::FormPaint() {}
void TMainForm::FormCloseQuery() {}
ICanvas& TMainForm::Canvas() { return *FCanvas; }
void TMainForm::CanvasChanged(const QRect&) {}
bool TMainForm::event(QEvent* event) { return QWidget::event(event); }
void TMainForm::paintEvent(QPaintEvent*) {}
void TMainForm::resizeEvent(QResizeEvent*) {}
void TMainForm::mousePressEvent(QMouseEvent*) {}
void TMainForm::mouseReleaseEvent(QMouseEvent*) {}
void TMainForm::mouseMoveEvent(QMouseEvent*) {}
void TMainForm::keyPressEvent(QKeyEvent*) {}
void TMainForm::closeEvent(QCloseEvent*) {}
void TMainForm::FormCreate() {}
void TMainForm::CreateToolbar() {}
void TMainForm::CreatePopupMenu() {}
void TMainForm::LayOutChildren() {}
