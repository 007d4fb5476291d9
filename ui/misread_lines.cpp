#include "ui/misread_lines.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/save_diff.h"
#include "core/stroke_format.h"
#include "core/text_lines.h"
#include "document/file_text.h"

namespace orvik {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::MisreadLines", text); }

// A stroke file as a save writes it: "StrokeAttr", an empty line, the header
// lines and an empty line, then each key frame's block of a mode line, its
// value lines and an empty line.
constexpr std::size_t HeaderLineCount = 2 + format::HeaderLines.size() + 1;
constexpr std::size_t KeyFrameBlockLines = 1 + format::KeyFrameValueLines.size() + 1;

}  // namespace

QString MisreadLines(const ReadReport& report, const FormWords& words) {
    constexpr std::size_t Shown = 10;
    QStringList lines;
    for (std::size_t i = 0; i < report.size() && i < Shown; ++i) {
        const Problem& problem = report[i];
        QString line = problem.Line > 0 ? QStringLiteral("line %1: ").arg(problem.Line) : QString();
        line += words.Message(problem);
        if (!problem.Keeps.empty()) line += "; " + words.Keeps(problem);
        lines << line;
    }
    if (report.size() > Shown) lines << Tr("and %1 more").arg(report.size() - Shown);
    return lines.join('\n');
}

QString MisreadAdvice(const ReadReport& report) {
    for (const Problem& problem : report) {
        if (problem.Code != std::string_view(problem_code::CommaSplit)) continue;
        return Tr("A comma on line %1 splits that line in two, as the game reads it (a number such as 9,5 becomes 9 "
                  "and 5): the later values of that key frame, and those of the key frames after it, read as zero. "
                  "Type numbers with a point (9.5) before you save, or fix the line in a text editor and open the "
                  "file again.")
            .arg(problem.Line);
    }
    return {};
}

std::vector<int> KeyFramesChangedBySave(std::string_view file, std::string_view written, int keyFrames) {
    const std::vector<std::string_view> before = SplitLines(file);
    const std::vector<std::string_view> after = SplitLines(written);
    auto lineOf = [](const std::vector<std::string_view>& lines, std::size_t at) {
        return at < lines.size() ? WithoutLineEnd(lines[at]) : std::string_view();
    };
    std::vector<int> changed;
    for (int k = 0; k < keyFrames; ++k) {
        const std::size_t first = HeaderLineCount + static_cast<std::size_t>(k) * KeyFrameBlockLines + 1;
        for (std::size_t line = first; line < first + format::KeyFrameValueLines.size(); ++line) {
            if (line >= before.size() || lineOf(before, line) != lineOf(after, line)) {
                changed.push_back(k);
                break;
            }
        }
    }
    return changed;
}

QString SaveDiff(std::string_view file, std::string_view written, const QString& fileName) {
    // The diff escapes what is not text, as the checker prints it; the rest is UTF-8.
    const std::string name = fileName.toStdString();
    return QString::fromStdString(UnifiedDiff(file, written, name, name + " as a save would write it")).trimmed();
}

}  // namespace orvik
