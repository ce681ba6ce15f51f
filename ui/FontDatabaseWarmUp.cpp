#include "ui/FontDatabaseWarmUp.h"
#include <QFontDatabase>

TFontDatabaseWarmUp::TFontDatabaseWarmUp() : FReader([] { QFontDatabase::families(); }) {}

TFontDatabaseWarmUp::~TFontDatabaseWarmUp() {
  if (FReader.joinable()) FReader.join();
}
