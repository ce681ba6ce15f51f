#pragma once
#include <memory>

class TGameWindows;
struct TModalSeams;

// Fonts and windows need an application object, and the benchmark's own
// main makes none: whichever benchmark comes first makes one, headless, for
// all of them.
void EnsureApplication();

// The program's windows built as the program builds them, with these seams,
// and the main window shown at this size, the events it raises handled.
std::unique_ptr<TGameWindows> ShowGameWindows(TModalSeams& seams, int width, int height);
