#pragma once
#include <cstdint>
#include <string>

// A count of tenths as the dialog's value labels show it: 80 gives "8.0",
// 37 gives "3.7", 5 gives "0.5". The settings only produce counts from zero
// upwards; a damaged LastGame.dat can hold negative ones, which keep their
// sign in front ("-0.5") instead of turning into nonsense like "0.-5".
std::string FormatTenths(std::int64_t tenths);
