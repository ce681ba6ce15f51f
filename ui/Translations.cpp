#include "ui/Translations.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#ifndef QUORLANE_CATALOGUES_FROM_BINDIR
#define QUORLANE_CATALOGUES_FROM_BINDIR "../share/quorlane/translations"
#endif

namespace {

const QString GameCatalogue = QStringLiteral("quorlane");
const QString QtCatalogue = QStringLiteral("qtbase");

// The locale that messages follow, as the C library picks it.
QString MessagesLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty()) return value;
  }
  return QStringLiteral("C");
}

bool IsCLocale(const QString& name) {
  return name == u"C" || name == u"POSIX" || name.startsWith(u"C.");
}

}  // namespace

QStringList SessionLanguages() {
  if (IsCLocale(MessagesLocale())) return {};
  return QLocale::system().uiLanguages();
}

QString GameCatalogueFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  for (const QString& relative : {QStringLiteral(QUORLANE_CATALOGUES_FROM_BINDIR), QStringLiteral("translations")}) {
    const QString folder = QDir::cleanPath(program.filePath(relative));
    if (QDir(folder).exists()) return folder;
  }
  return {};
}

TTranslations::TTranslations(const QStringList& languages, const QString& folder) {
  if (folder.isEmpty()) return;
  for (const QString& language : languages) {
    const QLocale locale(language);
    if (locale.language() == QLocale::English) return;
    // A name Qt cannot read is no language at all: the next one may be.
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) continue;
    if (FGame.load(locale, GameCatalogue, QStringLiteral("_"), folder)) {
      Install(language);
      return;
    }
  }
}

void TTranslations::Install(const QString& language) {
  FLanguage = language;
  QCoreApplication::installTranslator(&FGame);
  // Without Qt's catalogue the standard buttons stay English; the game's own
  // texts are translated all the same.
  FQtInstalled = FQt.load(QLocale(language), QtCatalogue, QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&FQt);
}

TTranslations::~TTranslations() {
  if (!QCoreApplication::instance()) return;
  if (FQtInstalled) QCoreApplication::removeTranslator(&FQt);
  if (!FLanguage.isEmpty()) QCoreApplication::removeTranslator(&FGame);
}
