#include "game/ui/NoGuessOption.h"
#include <QFile>
#include <QSettings>
#include <QString>

namespace {

const QString Key = QStringLiteral("Play/NoGuessing");

}  // namespace

// Only the exact value the game writes turns the option on.
bool LoadNoGuessOption() {
  const QString path = QString::fromLatin1(NoGuessOptionFile);
  if (!QFile::exists(path)) return false;
  const QSettings settings(path, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return false;
  return settings.value(Key).toString() == QStringLiteral("true");
}

// A damaged file would keep QSettings from writing at all, so it goes first.
void SaveNoGuessOption(bool on) {
  const QString path = QString::fromLatin1(NoGuessOptionFile);
  if (QSettings(path, QSettings::IniFormat).status() != QSettings::NoError) QFile::remove(path);
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue(Key, on);
  settings.sync();
}
