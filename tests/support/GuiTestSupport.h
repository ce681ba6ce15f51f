#pragma once
#include <memory>
#include <string>
#include <QByteArray>
#include <QString>

struct TGameRecord;

class QTemporaryDir;

// Runs a test in a fresh, empty working directory (the game reads and writes
// its files there) and returns to the previous one afterwards.
class TTempWorkDir {
 public:
  TTempWorkDir();
  ~TTempWorkDir();
  QString Path() const;
  QString File(const QString& name) const;
  // Copies the shipped pattern library into Patterns/ here.
  void CopyShippedPatterns() const;

 private:
  std::unique_ptr<QTemporaryDir> Dir;
  QString Previous;
};

// The source tree (for the shipped patterns and test data).
QString SourceDir();
QByteArray ReadWholeFile(const QString& path);
void WriteWholeFile(const QString& path, const QByteArray& bytes);
// A record as the game's files hold it.
QByteArray RecordBytes(const TGameRecord& record);
