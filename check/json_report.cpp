#include "check/json_report.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "core/shown_text.h"

namespace orvik::check {

namespace {

using Json = nlohmann::ordered_json;  // members in the order written

// The text under `key`; text that is not UTF-8 escaped, with its bytes
// under `key` + "_bytes".
void PutText(Json& object, const std::string& key, std::string_view text) {
    if (IsValidUtf8(text)) {
        object[key] = text;
        return;
    }
    object[key] = Escaped(text);
    Json bytes = Json::array();
    for (const char c : text) bytes.push_back(static_cast<unsigned char>(c));
    object[key + "_bytes"] = std::move(bytes);
}

Json ProblemJson(const Problem& problem) {
    Json object = Json::object();
    object["code"] = problem.Code;
    object["severity"] = ProblemKindOf(problem.Code).Severity;
    object["line"] = problem.Line > 0 ? Json(problem.Line) : Json(nullptr);
    PutText(object, "message", MessageAndKeeps(problem));
    if (!problem.Field.empty()) PutText(object, "field", problem.Field);
    if (problem.Found) PutText(object, "found", *problem.Found);
    if (problem.Kept) PutText(object, "kept", *problem.Kept);
    return object;
}

// ASCII only, so that no character reaches a terminal raw.
std::string Dumped(const Json& value) { return value.dump(-1, ' ', true); }

}  // namespace

JsonReport::JsonReport(std::ostream& out, bool withDiff) : out_(out), withDiff_(withDiff) { out_ << "{\"files\": ["; }

void JsonReport::AddFile(const FileCheck& check) {
    Json file = Json::object();
    PutText(file, "name", check.Name);
    file["stroke"] = check.StrokeName ? Json(*check.StrokeName) : Json(nullptr);
    file["ok"] = check.Problems.empty();
    Json problems = Json::array();
    for (const Problem& problem : check.Problems) problems.push_back(ProblemJson(problem));
    file["problems"] = std::move(problems);
    if (withDiff_) PutText(file, "diff", check.Diff);
    out_ << (firstFile_ ? "\n  " : ",\n  ") << Dumped(file);
    firstFile_ = false;
}

void JsonReport::Finish(const Totals& totals, const std::vector<PathError>& errors) {
    Json errorList = Json::array();
    for (const PathError& error : errors) {
        Json object = Json::object();
        PutText(object, "path", error.Name);
        object["code"] = error.Code;
        PutText(object, "message", error.Message);
        errorList.push_back(std::move(object));
    }
    out_ << "],\n \"errors\": " << Dumped(errorList) << ",\n \"file_count\": " << totals.Files
         << ", \"clean_count\": " << totals.Clean << ", \"problem_count\": " << totals.Problems << "}\n";
}

}  // namespace orvik::check
