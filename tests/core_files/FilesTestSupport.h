#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "support/FileBytes.h"
#include "support/ScratchWorkDir.h"



// Where the shipped Patterns/ library lives.
std::filesystem::path SourceDir();
