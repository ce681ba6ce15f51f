#pragma once
#include <stdexcept>
#include <string>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include "ui/ClickablePicture.h"

// The windows' parts by the names they bear, as a player's tool would find
// them: the tests reach the toolbar, the menu and the score header this way,
// not through the windows' members.
template <class T>
T* NamedPart(const QObject* owner, const char* name) {
  T* part = owner ? owner->findChild<T*>(QLatin1StringView(name)) : nullptr;
  if (!part) throw std::logic_error(std::string("no part named ") + name);
  return part;
}

#define QUORLANE_WINDOW_PART(Type, Name) \
  inline Type* Name(const QObject* owner) { return NamedPart<Type>(owner, #Name); }

// The main window's toolbar, status bar, clock and popup menu.
QUORLANE_WINDOW_PART(QFrame, SpeedPanel)
QUORLANE_WINDOW_PART(QToolButton, BtnNewGame)
QUORLANE_WINDOW_PART(QWidget, PanelNewPrompt)
QUORLANE_WINDOW_PART(QToolButton, BtnPop)
QUORLANE_WINDOW_PART(QToolButton, SpeedButtonLifeline)
QUORLANE_WINDOW_PART(QLabel, LabelNumLifelines)
QUORLANE_WINDOW_PART(QLabel, LabelScore)
QUORLANE_WINDOW_PART(QFrame, PanelCountdown)
QUORLANE_WINDOW_PART(QLabel, LabelTimeB2)
QUORLANE_WINDOW_PART(QWidget, PanelCountdownBar)
QUORLANE_WINDOW_PART(QLabel, LabelTimeB)
QUORLANE_WINDOW_PART(QToolButton, BtnPause)
QUORLANE_WINDOW_PART(QWidget, PanelPausePrompt)
QUORLANE_WINDOW_PART(QLabel, StatusBar)
QUORLANE_WINDOW_PART(QTimer, TimerTick)
QUORLANE_WINDOW_PART(QMenu, PopupMenu1)
QUORLANE_WINDOW_PART(QAction, MenuBoss)
QUORLANE_WINDOW_PART(QAction, MenuPauseResume)
QUORLANE_WINDOW_PART(QAction, MenuNewGame)
QUORLANE_WINDOW_PART(QAction, MenuHint)
QUORLANE_WINDOW_PART(QAction, MenuView)
QUORLANE_WINDOW_PART(QAction, OneMark1)
QUORLANE_WINDOW_PART(QAction, About1)
QUORLANE_WINDOW_PART(QAction, Help1)

// The score screen's header.
QUORLANE_WINDOW_PART(QRadioButton, RadioButtonAllPlayers)
QUORLANE_WINDOW_PART(TClickablePicture, Image11)
QUORLANE_WINDOW_PART(QRadioButton, RadioButtonThisPlayer)
QUORLANE_WINDOW_PART(TClickablePicture, Image1)
QUORLANE_WINDOW_PART(QLabel, LabelPlayerName)
QUORLANE_WINDOW_PART(TClickablePicture, Image2)
QUORLANE_WINDOW_PART(QSlider, TrackBarMatchSpec)
QUORLANE_WINDOW_PART(TClickablePicture, Image3)

#undef QUORLANE_WINDOW_PART
