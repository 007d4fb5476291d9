#pragma once
// The checker's output as one JSON document, for scripts:
//
//   {"files": [
//     {"name": "a.atr", "stroke": "Pull", "ok": false, "problems": [
//       {"line": 19, "field": "Power of normal key frame 0", "found": "abc", "message": "..."}],
//      "diff": "..."},
//     ...],
//    "errors": ["nothing: no such file or folder"],
//    "file_count": 29, "clean_count": 27, "problem_count": 2}
//
// "stroke" is null for a file that is not one of the game's, "line" null for
// a problem of the whole file, "diff" there only when asked for. The problems
// and messages are those of the text output. Text is UTF-8; a byte that is
// not part of a UTF-8 character is written as the character of that number
// ("\u00e9" for the byte 0xE9).
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "check/file_check.h"
#include "check/totals.h"

namespace orvik::check {

class JsonReport {
public:
    explicit JsonReport(std::ostream& out, bool withDiff);

    void AddFile(const FileCheck& check);
    void Finish(const Totals& totals, const std::vector<std::string>& errors);

private:
    std::ostream& out_;
    bool withDiff_;
    bool firstFile_ = true;
};

}  // namespace orvik::check
