#pragma once
// The reader's report on a misread stroke file as the window tells it: one
// line per problem, "line 31: ...", as orvik-stroke-check prints them; and
// what the first Save over such a file changes in it.
#include <QString>
#include <string_view>
#include <vector>

#include "core/read_report.h"
#include "ui/form_words.h"

namespace orvik {

// At most ten problems, then "and N more"; the fields the form shows are
// named by `words`.
QString MisreadLines(const ReadReport& report, const FormWords& words);

// What to do about the misreadings that shift the fields after them (a comma
// inside a number); empty where the report has none.
QString MisreadAdvice(const ReadReport& report);

// The key frames, by index, whose value lines a save changes: the lines at a
// key frame's place in the text `written` differ from the lines at the same
// place in `file`. `keyFrames` is how many key frames `written` holds.
std::vector<int> KeyFramesChangedBySave(std::string_view file, std::string_view written, int keyFrames);

// Every line a save changes, as orvik-stroke-check --diff shows it; empty
// where the texts are the same.
QString SaveDiff(std::string_view file, std::string_view written, const QString& fileName);

}  // namespace orvik
