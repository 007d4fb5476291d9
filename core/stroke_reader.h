#pragma once
// Reads a stroke attribute file into the one StrokeFile. The reader is
// positional: one fixed sequence of field reads, values cut out of each line
// by fixed positions and by the last occurrence of a key. Every statement
// fails on its own and silently; a failed read leaves the line buffer as it
// was, a failed assignment leaves its field as it was.
#include <istream>
#include <string_view>

#include "core/read_report.h"
#include "core/stroke_file.h"

namespace orvik {

// Empties TrailingLines 0 to 65, then runs the reader's steps on `in`. An empty
// or failed stream reads as a missing file does.
//
// With a report, each step that did not go as the layout says is added to it
// in file order. Once the fields are out of step with the layout (a comma
// splits a line, a line is missing or extra), only what the field rules do
// to the lines is added: the rest follows from that. The record is filled the
// same either way; to see whether text follows trailing line 65, the reader
// takes one field more from the stream.
void ReadStrokeFile(std::istream& in, StrokeFile& stroke, ReadReport* report = nullptr);

// The same on a file's bytes already in memory, which are read where they lie.
void ReadStrokeText(std::string_view bytes, StrokeFile& stroke, ReadReport* report = nullptr);

}  // namespace orvik
