#include "ui/ReaderWatch.h"

TReaderWatch::TReaderWatch() : FListens(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }

TReaderWatch::~TReaderWatch() { QAccessible::removeActivationObserver(this); }
