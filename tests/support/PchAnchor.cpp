// The translation unit that the test programs' precompiled headers are
// built with; it holds nothing of its own.
