#pragma once
#include <QFrame>

// A sunken line one pixel each side, the separator of the toolbar, the
// status bar and the score header. shape is QFrame::HLine or QFrame::VLine.
QFrame* MakeEtchedLine(QWidget* parent, QFrame::Shape shape);
