#pragma once
#include <QIcon>

// The game's own icon, at every size the desktop asks for; the same drawing
// as the icons installed into the desktop's icon theme.
QIcon ApplicationIcon();

// The sizes of that icon a window's title bar and the task bar show, the
// same pixels as the theme's icons of those sizes.
QIcon WindowIcon();

// Gives the application its identity on the desktop: the window and task bar
// icon, and the name of the desktop entry that the window belongs to (so the
// task bar groups the window with its menu entry). Call once in main, after
// the QApplication exists.
void InstallApplicationIdentity();
