#include "support/GuiTestSupport.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "settings/GameRecord.h"

TTempWorkDir::TTempWorkDir()
    : Dir(std::make_unique<QTemporaryDir>()), Previous(QDir::currentPath()) {
  QDir::setCurrent(Dir->path());
}

TTempWorkDir::~TTempWorkDir() { QDir::setCurrent(Previous); }

QString TTempWorkDir::Path() const { return Dir->path(); }

QString TTempWorkDir::File(const QString& name) const { return Dir->filePath(name); }

void TTempWorkDir::CopyShippedPatterns() const {
  const QDir source(SourceDir() + "/Patterns");
  QDir(Path()).mkpath("Patterns");
  for (const QString& name : source.entryList({"*.tes"}, QDir::Files))
    QFile::copy(source.filePath(name), File("Patterns/" + name));
}

QString SourceDir() {
  const QString dir = qEnvironmentVariable("QUORLANE_SOURCE_DIR");
  return dir.isEmpty() ? QStringLiteral(QUORLANE_SOURCE_DIR_FALLBACK) : dir;
}

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray RecordBytes(const TGameRecord& record) {
  const TRecordBytes bytes = EncodeRecord(record);
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}
