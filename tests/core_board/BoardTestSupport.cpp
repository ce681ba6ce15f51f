#include "BoardTestSupport.h"

#include <fstream>
#include <random>

TScratchDir::TScratchDir() : Previous(std::filesystem::current_path()) {
  std::random_device seed;
  Dir = std::filesystem::temp_directory_path() /
        ("quorlane-board-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(Dir);
  std::filesystem::current_path(Dir);
}

TScratchDir::~TScratchDir() {
  std::filesystem::current_path(Previous);
  std::error_code ignored;
  std::filesystem::remove_all(Dir, ignored);
}

void TScratchDir::WriteFile(const std::string& relative, const std::string& content) const {
  const auto path = Dir / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

TTess PatternFromRows(int width, int stepX, int stepY, const std::vector<std::string>& rows) {
  TTess pattern;
  pattern.RegNo = 1;
  pattern.Width = width;
  pattern.Height = int(rows.size());
  pattern.StepX = stepX;
  pattern.StepY = stepY;
  int groups = 0, singles = 0;
  for (std::size_t l = 0; l < rows.size() && l < MaxTileRows; ++l)
    for (std::size_t k = 0; k < rows[l].size() && k < MaxTileColumns; ++k) {
      const char c = rows[l][k];
      std::uint8_t code = tc_Hole;
      if (c == '#') code = tc_SingleHash;
      else if (c == '0') code = tc_Single;
      else if (c >= '1' && c <= '9') code = std::uint8_t(c - '0');
      else if (c >= 'A' && c <= 'Z') code = std::uint8_t(c - 'A' + 10);
      else if (c == '.') code = tc_Transparent;
      pattern.Grid[k][l] = code;
      if (code >= 1 && code <= 35) groups = std::max<int>(groups, code);
      if (code == tc_Single || code == tc_SingleHash || code == tc_Hole) ++singles;
    }
  pattern.GroupCount = std::uint8_t(groups);
  pattern.SingleCount = std::uint8_t(singles);
  pattern.AreasPerTile = std::uint8_t(groups + singles);
  return pattern;
}
