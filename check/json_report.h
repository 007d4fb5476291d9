#pragma once
// The checker's output as one JSON document, for scripts:
//
//   {"files": [
//     {"name": "a.atr", "stroke": "Pull", "ok": false, "problems": [
//       {"code": "not-a-number", "severity": "error", "line": 19, "message": "...",
//        "field": "Power of normal key frame 0", "found": "abc", "kept": "0"}],
//      "diff": "..."},
//     ...],
//    "errors": [{"path": "nothing", "code": "not-found", "message": "no such file or folder"}],
//    "file_count": 29, "clean_count": 27, "problem_count": 2}
//
// "stroke" is null for a file that is not one of the game's, "line" null for
// a problem of the whole file, "field", "found" and "kept" there only where
// they apply, "diff" only when asked for (escaped as in the text output).
// Codes and messages are those of the text output. With -l, only the files
// with problems are listed. The document is ASCII: every other character is
// written as a \u escape.
//
// A name or text that is not valid UTF-8 is written escaped as the text
// output shows it ("x\\xE9.atr" for the bytes 78 E9 2E 61 74 72), with its
// bytes beside it in a member of the same name ending in "_bytes" ("name_bytes":
// [120, 233, 46, 97, 116, 114]). A text that is valid UTF-8 has no such member,
// so the two cannot be confused.
#include <ostream>
#include <vector>

#include "check/file_check.h"
#include "check/totals.h"

namespace orvik::check {

class JsonReport {
public:
    explicit JsonReport(std::ostream& out, bool withDiff);

    void AddFile(const FileCheck& check);
    void Finish(const Totals& totals, const std::vector<PathError>& errors);

private:
    std::ostream& out_;
    bool withDiff_;
    bool firstFile_ = true;
};

}  // namespace orvik::check
