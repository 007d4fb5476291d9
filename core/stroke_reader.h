#pragma once
// Reads a stroke attribute file into the one StrokeFile. The reader is
// positional: one fixed sequence of field reads, values cut out of each line
// by fixed positions and by the last occurrence of a key. Every statement
// fails on its own and silently; a failed read leaves the line buffer as it
// was, a failed assignment leaves its field as it was.
#include <istream>

#include "core/stroke_file.h"

namespace orvik {

// Empties TrailingLines 0 to 65, then runs the reader's steps on `in`. An empty
// or failed stream reads as a missing file does.
void ReadStrokeFile(std::istream& in, StrokeFile& stroke);

}  // namespace orvik
