#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include "game/Game.h"

// SavedGame.dat: the game in play, kept so that closing the window, logging
// out or a crash never throws it away. The layout (docs/SavedGame.md) is a
// header with the game's state, one record per area, one per cell, and a
// CRC-32 of everything before it; every field is fixed-width and
// little-endian.
inline constexpr const char* SavedGameFile = "SavedGame.dat";

// The format this game writes and the only one it reads: a file of a later
// version is not guessed at.
constexpr std::uint32_t SavedGameVersion = 1;
constexpr std::size_t SavedGameHeaderSize = 148;
constexpr std::size_t SavedAreaSize = 12;
constexpr std::size_t SavedCellSize = 3;
constexpr std::size_t SavedChecksumSize = 4;
// The largest file there can be: the whole grid, each cell an area.
constexpr std::size_t MaxSavedGameSize =
    SavedGameHeaderSize + (SavedAreaSize + SavedCellSize) * std::size_t(TBoard::MaxColumns * TBoard::MaxRows) +
    SavedChecksumSize;

std::string EncodeSavedGame(const TGameImage& image);
// The image the bytes hold, when they are sound as a file: the magic word,
// this version, the size they claim, the checksum, reserved bytes zero,
// flags 0 or 1, a field within the grid and counts that agree with the
// size. Whether it is a game that could be played is for TGame::Restore.
bool DecodeSavedGame(std::span<const std::uint8_t> bytes, TGameImage& image);
// The checksum the last four bytes hold: zlib's CRC-32 of the bytes before.
std::uint32_t SavedGameChecksum(std::span<const std::uint8_t> bytes);
