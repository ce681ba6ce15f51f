#pragma once

// Fonts and windows need an application object, and the benchmark's own
// main makes none: whichever benchmark comes first makes one, headless, for
// all of them.
void EnsureApplication();
