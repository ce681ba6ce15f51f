#pragma once
#include <QString>

class QAccessibleInterface;
class QObject;

// Gives value labels and panels their accessible face; installed with
// QAccessible::installFactory, asked only while a reader listens.
QAccessibleInterface* ValueAccessibleFactory(const QString& className, QObject* object);
