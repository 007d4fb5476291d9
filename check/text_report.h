#pragma once
// The checker's output as plain text, one line per problem, in the form
// compilers and linters use, which editors and CI read to jump to the line:
//
//   broken/mine.atr:19: not-a-number: Power "abc" is not a number; Power of normal key frame 0 keeps 0
//   broken/mine.atr:19: save-changes: a save would change this file
//   broken/big.atr: too-large: over the size limit: ...
//   29 files, 27 clean, 3 problems
//
// Verbose, each file's problems follow a line that names the file with its
// state and the game's name for it ("samples/a-Cc031.atr: ok, the game's
// "Pull""). Every name and text is escaped (core/shown_text.h).
#include <ostream>

#include "check/file_check.h"
#include "check/totals.h"

namespace orvik::check {

void WriteFileText(std::ostream& out, const FileCheck& check, bool verbose);

void WriteTotalsText(std::ostream& out, const Totals& totals);

// "orvik-stroke-check: PATH: CODE: message", for standard error.
void WritePathErrorText(std::ostream& errors, const PathError& error);

}  // namespace orvik::check
