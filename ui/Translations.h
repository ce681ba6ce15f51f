#pragma once
#include <QString>
#include <QStringList>
#include <QTranslator>

// The game speaks the first language of the player's session that it has a
// catalogue for, and English, the language its texts are written in,
// otherwise. Each language has two catalogues: the game's own
// (translations/quorlane_<language>.ts, built to .qm) and Qt's, for the
// standard buttons and the names of keys.

// The languages the session asks for, most wanted first (LANGUAGE, else the
// messages locale). None where the messages locale is C or POSIX: there,
// as for every program that uses gettext, LANGUAGE does not count.
QStringList SessionLanguages();

// Where the game's catalogues are: in the installed data folder, or beside
// the program in its build. Empty when there is neither.
QString GameCatalogueFolder();

// Installs on the application object, for its own lifetime, the catalogues
// of the first of `languages` ("de-DE", "fr") that has a game catalogue in
// `folder`. A language further down the list never wins over English, so
// nothing is installed once English comes first.
class TTranslations {
 public:
  TTranslations(const QStringList& languages, const QString& folder);
  TTranslations(const TTranslations&) = delete;
  TTranslations& operator=(const TTranslations&) = delete;
  ~TTranslations();

  // The language chosen, as the session named it; empty for English.
  const QString& Language() const { return FLanguage; }

 private:
  void Install(const QString& language);

  QString FLanguage;
  QTranslator FGame;
  QTranslator FQt;
  bool FQtInstalled = false;
};
