#include <algorithm>
#include <vector>
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include "support/GuiTestSupport.h"
#include "ui/Cp1252.h"
#include "ui/Translations.h"

// The shipped catalogues as Linguist files, and as the game loads them.

namespace {

struct TMessage {
  QString Context;
  QString Source;
  QString Translation;
  bool Finished = false;
};

QString CatalogueSources() { return SourceDir() + "/translations"; }

QStringList CatalogueFiles() {
  return QDir(CatalogueSources()).entryList({"quorlane_*.ts"}, QDir::Files, QDir::Name);
}

std::vector<TMessage> ReadCatalogue(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  std::vector<TMessage> messages;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      messages.push_back({context, {}, {}, false});
    } else if (xml.name() == u"source" && !messages.empty()) {
      messages.back().Source = xml.readElementText();
    } else if (xml.name() == u"translation" && !messages.empty()) {
      messages.back().Finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
      messages.back().Translation = xml.readElementText();
    }
  }
  return messages;
}

QStringList Matches(const QString& text, const QRegularExpression& pattern) {
  QStringList found;
  for (auto match = pattern.globalMatch(text); match.hasNext();) found << match.next().captured();
  found.sort();
  return found;
}

// The parts of a text that the program reads or the player types, which a
// translation must keep: placeholders, the bar between a hint's tool tip and
// its status text, a mnemonic's mark, the spaces a group title stands in,
// and in the usage its options and file names.
struct TKept {
  QStringList Placeholders;
  qsizetype Bars = 0;
  bool StartsWithBar = false;
  qsizetype Mnemonics = 0;
  qsizetype LeadingSpaces = 0;
  qsizetype TrailingSpaces = 0;
  QStringList Names;

  explicit TKept(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
    static const QRegularExpression name(
        QStringLiteral(R"((?<![\w-])--?[a-z]+|\S+\.(?:dat|txt|tes)\b|quorlane-launcher|\S*/quorlane\b)"));
    Placeholders = Matches(text, placeholder);
    Bars = text.count(u'|');
    StartsWithBar = text.startsWith(u'|');
    Mnemonics = text.count(mnemonic);
    LeadingSpaces = std::find_if(text.begin(), text.end(), [](QChar c) { return c != u' '; }) - text.begin();
    TrailingSpaces = std::find_if(text.rbegin(), text.rend(), [](QChar c) { return c != u' '; }) - text.rbegin();
    Names = Matches(text, name);
    Names.removeDuplicates();
  }
  bool operator==(const TKept&) const = default;
};

std::string Describe(const TMessage& message) {
  return (message.Context + " \"" + message.Source.left(60) + "\"").toStdString();
}

}  // namespace

TEST(Catalogues, EveryTextIsTranslatedAndKeepsWhatTheGameReadsInIt) {
  ASSERT_GE(CatalogueFiles().size(), 3);
  // Texts that the game keeps as 8-bit Windows-1252 text: the name box's
  // prompt becomes a player's name when it is confirmed, and the score
  // table's placeholder is painted like one.
  const std::vector<std::pair<QString, QString>> eightBit = {{"TDlgNewGame", "Remember me"},
                                                               {"TScoreScreen", "Nobody"}};
  for (const QString& file : CatalogueFiles()) {
    SCOPED_TRACE(file.toStdString());
    const std::vector<TMessage> messages = ReadCatalogue(CatalogueSources() + "/" + file);
    ASSERT_FALSE(messages.empty());
    for (const TMessage& message : messages) {
      EXPECT_TRUE(message.Finished && !message.Translation.isEmpty()) << "unfinished: " << Describe(message);
      EXPECT_TRUE(TKept(message.Translation) == TKept(message.Source)) << Describe(message) << " became \""
                                                                       << message.Translation.toStdString() << "\"";
      if (message.Source.contains(u'\n')) {
        for (const QString& line : message.Translation.split(u'\n'))
          EXPECT_LE(line.size(), 80) << "too wide for a terminal: " << line.toStdString();
      }
      if (std::find(eightBit.begin(), eightBit.end(), std::pair{message.Context, message.Source}) != eightBit.end()) {
        EXPECT_EQ(FromCp1252(ToCp1252(message.Translation)), message.Translation) << Describe(message);
      }
    }
  }
}

// What `cmake --build build --target update_translations` would write: the
// catalogues hold every text the windows and the core mark, and no other.
TEST(Catalogues, HoldExactlyTheTextsTheSourcesMark) {
  QStringList sources{SourceDir() + "/ui"};
  for (const QString& folder : QDir(SourceDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QDir subsystem(SourceDir() + "/" + folder);
    if (!subsystem.exists(QStringLiteral("ui"))) continue;
    sources << subsystem.filePath(QStringLiteral("ui"));
    // The core's own files, which mark the phrases the windows translate.
    for (const QString& file : subsystem.entryList({"*.cpp", "*.h"}, QDir::Files)) sources << subsystem.filePath(file);
  }
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  QStringList arguments{"-silent", "-locations", "none", "-no-obsolete", "-extensions", "cpp,h", "-I", SourceDir()};
  arguments << sources << "-ts";
  for (const QString& file : CatalogueFiles()) {
    ASSERT_TRUE(QFile::copy(CatalogueSources() + "/" + file, scratch.filePath(file)));
    arguments << scratch.filePath(file);
  }
  QProcess lupdate;
  lupdate.start(QStringLiteral(QUORLANE_LUPDATE), arguments);
  ASSERT_TRUE(lupdate.waitForFinished(60000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  for (const QString& file : CatalogueFiles())
    EXPECT_EQ(ReadWholeFile(scratch.filePath(file)).toStdString(),
              ReadWholeFile(CatalogueSources() + "/" + file).toStdString())
        << file.toStdString() << " is out of date: build the target update_translations and translate what it adds";
}

// The first language of the session that has a catalogue wins; English
// wins wherever it comes first, since the game is written in it.
TEST(Translations, TheSessionsFirstLanguageWithACatalogueIsInstalled) {
  const QString folder = QStringLiteral(QUORLANE_CATALOGUE_BUILD_DIR);
  const struct {
    QStringList Session;
    QString Chosen;
    QString NewGame;  // the menu's item in that language
  } cases[] = {
      {{"de-DE"}, "de-DE", "Neues Spiel"},
      {{"nl-NL", "fr-CA", "de"}, "fr-CA", "Nouvelle partie"},
      {{"C", "es"}, "es", "Nueva partida"},
      {{"en-GB", "de"}, "", "New Game"},
      {{"pt-BR"}, "", "New Game"},
      {{}, "", "New Game"},
  };
  for (const auto& given : cases) {
    SCOPED_TRACE(given.Session.join(' ').toStdString());
    {
      const TTranslations translations(given.Session, folder);
      EXPECT_EQ(translations.Language(), given.Chosen);
      EXPECT_EQ(QCoreApplication::translate("TMainForm", "New Game"), given.NewGame);
      if (given.Chosen.startsWith("de")) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja") << "Qt's own catalogue too";
      }
    }
    EXPECT_EQ(QCoreApplication::translate("TMainForm", "New Game"), "New Game") << "gone with the object";
  }
  const TTranslations nowhere({"de"}, QString());
  EXPECT_TRUE(nowhere.Language().isEmpty()) << "without a folder, English";
}
