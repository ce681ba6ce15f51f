#include "game/ui/PlayOptionsFile.h"
#include <QFile>
#include <QSettings>

namespace {

QString KeyOf(TPlayOption option) {
  switch (option) {
    case po_NoGuess: return QStringLiteral("Play/NoGuessing");
    case po_OpenAround: return QStringLiteral("Play/OpenAroundNumbers");
  }
  return QString();
}

}  // namespace

TPlayOptionsFile::TPlayOptionsFile(QString path) : FPath(std::move(path)) {}

// Only the exact value the game writes turns an option on.
TPlayOptions TPlayOptionsFile::Load() const {
  TPlayOptions options;
  if (!QFile::exists(FPath)) return options;
  const QSettings settings(FPath, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return options;
  auto on = [&](TPlayOption option) { return settings.value(KeyOf(option)).toString() == QStringLiteral("true"); };
  options.NoGuess = on(po_NoGuess);
  options.OpenAround = on(po_OpenAround);
  return options;
}

// A damaged file would keep QSettings from writing at all, so it goes
// first. QSettings writes the whole file anew and atomically, merging this
// key into what is on disk at that moment.
void TPlayOptionsFile::Store(TPlayOption option, bool on) const {
  if (QSettings(FPath, QSettings::IniFormat).status() != QSettings::NoError) QFile::remove(FPath);
  QSettings settings(FPath, QSettings::IniFormat);
  settings.setValue(KeyOf(option), on);
  settings.sync();
}
