#include <gtest/gtest.h>

#include <filesystem>

#include "FilesTestSupport.h"
#include "settings/PlayerNames.h"

using TNames = std::vector<std::string>;

namespace {

TNames ReadText(std::string_view text) {
  WriteBytes(SavedNamesFile, text);
  TNames names{"stale"};
  EXPECT_EQ(ReadSavedNames(SavedNamesFile, names), TNamesRead::nr_Read);
  return names;
}

}  // namespace

TEST(SavedNamesReading, AMissingFileLeavesTheListAsItWas) {
  TScratchWorkDir dir;
  TNames names{"Ann"};
  EXPECT_EQ(ReadSavedNames(SavedNamesFile, names), TNamesRead::nr_Missing);
  EXPECT_EQ(names, TNames{"Ann"});
}

TEST(SavedNamesReading, AnEmptyLineGivesAnEmptyEntry) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText("A\r\n\r\nB\r\n"), (TNames{"A", "", "B"}));
}

TEST(SavedNamesReading, EveryKindOfLineEndEndsALine) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText("A\rB\nC\r\nD\n\rE"), (TNames{"A", "B", "C", "D", "", "E"}));
  EXPECT_EQ(ReadText("A\r\r\nB"), (TNames{"A", "", "B"}));
}

TEST(SavedNamesReading, AFinalLineEndAddsNoEmptyEntry) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText("A\r\nB\r\n"), (TNames{"A", "B"}));
  EXPECT_EQ(ReadText("A\r\nB\r"), (TNames{"A", "B"}));
  EXPECT_EQ(ReadText("A\r\n\r\n"), (TNames{"A", ""}));
}

TEST(SavedNamesReading, TheLastLineNeedsNoLineEnd) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText("A\r\nB"), (TNames{"A", "B"}));
  EXPECT_EQ(ReadText("Solo"), (TNames{"Solo"}));
}

TEST(SavedNamesReading, AnEmptyFileGivesAnEmptyList) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText(""), TNames{});
}

TEST(SavedNamesReading, AZeroByteEndsTheFile) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText(std::string_view("A\r\nB\0C\r\nD\r\n", 11)), (TNames{"A", "B"}));
  EXPECT_EQ(ReadText(std::string_view("\0A\r\n", 4)), TNames{});
}

TEST(SavedNamesReading, EightBitNamesAreKeptAsBytes) {
  TScratchWorkDir dir;
  EXPECT_EQ(ReadText("Ren\xE9\r\n\x8A\xFF\r\n"), (TNames{"Ren\xE9", "\x8A\xFF"}));
}

TEST(SavedNamesReading, AHundredThousandLinesAreAllRead) {
  TScratchWorkDir dir;
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "Player " + std::to_string(i) + "\r\n";
  const TNames names = ReadText(text);
  ASSERT_EQ(names.size(), 100000u);
  EXPECT_EQ(names.front(), "Player 0");
  EXPECT_EQ(names[54321], "Player 54321");
  EXPECT_EQ(names.back(), "Player 99999");
}

TEST(SavedNamesReading, AVeryLongLineIsOneEntry) {
  TScratchWorkDir dir;
  const std::string longName(5'000'000, 'n');
  const TNames names = ReadText(longName + "\r\nShort");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], longName);
  EXPECT_EQ(names[1], "Short");
}

TEST(SavedNamesReading, ADirectoryInPlaceOfTheFileIsUnreadable) {
  TScratchWorkDir dir;
  std::filesystem::create_directory(SavedNamesFile);
  TNames names{"Ann"};
  EXPECT_EQ(ReadSavedNames(SavedNamesFile, names), TNamesRead::nr_Unreadable);
  EXPECT_EQ(names, TNames{"Ann"});
}

TEST(SavedNamesWriting, EveryLineEndsWithCrLf) {
  TScratchWorkDir dir;
  ASSERT_TRUE(WriteSavedNames(SavedNamesFile, {"A", "", "B", "Carl"}));
  EXPECT_EQ(ReadBytes(SavedNamesFile), "A\r\n\r\nB\r\nCarl\r\n");
}

TEST(SavedNamesWriting, TheFileIsReplacedNotExtended) {
  TScratchWorkDir dir;
  WriteBytes(SavedNamesFile, std::string(4096, 'z'));
  ASSERT_TRUE(WriteSavedNames(SavedNamesFile, {"Ann"}));
  EXPECT_EQ(ReadBytes(SavedNamesFile), "Ann\r\n");
  ASSERT_TRUE(WriteSavedNames(SavedNamesFile, {}));
  EXPECT_EQ(ReadBytes(SavedNamesFile), "");
}

TEST(SavedNamesWriting, WhatIsWrittenReadsBackTheSame) {
  TScratchWorkDir dir;
  const TNames names{"Ann", "", "Ren\xE9", std::string(300, 'q'), "Bob"};
  ASSERT_TRUE(WriteSavedNames(SavedNamesFile, names));
  TNames read;
  EXPECT_EQ(ReadSavedNames(SavedNamesFile, read), TNamesRead::nr_Read);
  EXPECT_EQ(read, names);
}

TEST(SavedNamesWriting, AFileThatCannotBeCreatedReportsFailure) {
  TScratchWorkDir dir;
  std::filesystem::create_directory(SavedNamesFile);
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, {"Ann"}));
  EXPECT_FALSE(WriteSavedNames("missing-dir/SavedNames.txt", {"Ann"}));
}

TEST(NameComparison, LetterCaseDoesNotCountButEveryCharacterDoes) {
  EXPECT_TRUE(SameTextIgnoringCase("ann", "Ann"));
  EXPECT_TRUE(SameTextIgnoringCase("BOB", "bob"));
  EXPECT_TRUE(SameTextIgnoringCase("", ""));
  EXPECT_FALSE(SameTextIgnoringCase("Ann", "Anne"));
  EXPECT_FALSE(SameTextIgnoringCase("Ann", "Ann "));
  EXPECT_FALSE(SameTextIgnoringCase("Ann", ""));
  EXPECT_FALSE(SameTextIgnoringCase("[", "{"));  // not letters, 32 apart
  EXPECT_FALSE(SameTextIgnoringCase("@", "`"));
}

TEST(NameComparison, WindowsLatinLettersFoldToo) {
  EXPECT_TRUE(SameTextIgnoringCase("REN\xC9", "ren\xE9"));    // E acute
  EXPECT_TRUE(SameTextIgnoringCase("\xC0\xDE", "\xE0\xFE"));  // A grave, thorn
  EXPECT_TRUE(SameTextIgnoringCase("\x8A\x8C\x8E", "\x9A\x9C\x9E"));  // S caron, OE, Z caron
  EXPECT_TRUE(SameTextIgnoringCase("\x9F", "\xFF"));          // Y diaeresis
  EXPECT_FALSE(SameTextIgnoringCase("\xD7", "\xF7"));         // times and divide signs
  EXPECT_FALSE(SameTextIgnoringCase("\xDF", "\xFF"));         // sharp s has no capital here
}
