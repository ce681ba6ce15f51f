#include <QApplication>
#include "about/ui/AppIcon.h"
#include "game/ui/CommandLine.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "game/ui/TerminationHandler.h"
#include "ui/FontDatabaseWarmUp.h"
#include "ui/ModalSeams.h"
#include "ui/Translations.h"

int main(int argc, char** argv) {
  // Answered before any window or display is needed.
  if (const auto status = HandleCommandLine(argc, argv)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  // Read while the translations load and the windows are built.
  const TFontDatabaseWarmUp fonts;
  // Before any window, so that every text is made in the player's language.
  const TTranslations translations(SessionLanguages(), GameCatalogueFolder());
  InstallApplicationIdentity();

  TModalSeams seams = TModalSeams::Real();
  TGameWindows windows(seams);
  TTerminationHandler termination(windows.MainForm());
  windows.MainForm().show();
  return QApplication::exec();
}
