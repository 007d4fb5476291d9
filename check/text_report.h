#pragma once
// The checker's output as plain text, one file at a time:
//
//   samples/strokes/a-Cc031.atr: ok, the game's "Pull"
//   broken/mine.atr: 2 problems, not one of the game's stroke files
//     broken/mine.atr: line 19: Power "abc" is not a number; Power of normal key frame 0 keeps 0
//     broken/mine.atr: line 1: a save would change this file
//   29 files, 27 clean, 2 problems
//
// Each problem line holds the file's name, so that a search for a problem
// finds the file too. Control characters show as escapes.
#include <ostream>

#include "check/file_check.h"
#include "check/totals.h"

namespace orvik::check {

// Nothing for a clean file when `quiet`.
void WriteFileText(std::ostream& out, const FileCheck& check, bool quiet);

void WriteTotalsText(std::ostream& out, const Totals& totals);

}  // namespace orvik::check
