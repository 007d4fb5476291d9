#include "core/save_diff.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/shown_text.h"
#include "core/text_lines.h"

namespace orvik {

namespace {

constexpr std::size_t ContextLines = 3;
// Past this many cells the middle of two texts is not matched line by line:
// it is shown removed and added whole, which is still a true diff.
constexpr std::size_t MaxMatchCells = 1 << 22;

enum class Edit { Same, Removed, Added };

struct Step {
    Edit Kind;
    std::size_t Before;  // line index in `before` (Same, Removed)
    std::size_t After;   // line index in `after` (Same, Added)
};

// The steps from `a` to `b`: the longest common run of lines kept, found by
// a table of common lengths over what lies between the common start and end.
std::vector<Step> Steps(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    std::size_t start = 0;
    while (start < a.size() && start < b.size() && a[start] == b[start]) ++start;
    std::size_t endA = a.size();
    std::size_t endB = b.size();
    while (endA > start && endB > start && a[endA - 1] == b[endB - 1]) --endA, --endB;

    std::vector<Step> steps;
    for (std::size_t i = 0; i < start; ++i) steps.push_back({Edit::Same, i, i});
    const std::size_t n = endA - start;
    const std::size_t m = endB - start;
    if (n > 0 && m > 0 && (n + 1) * (m + 1) <= MaxMatchCells) {
        // common[i][j]: the longest common run of a[start + i..] and b[start + j..] in the middle.
        std::vector<std::uint32_t> common((n + 1) * (m + 1), 0);
        const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return common[i * (m + 1) + j]; };
        for (std::size_t i = n; i-- > 0;)
            for (std::size_t j = m; j-- > 0;)
                at(i, j) = a[start + i] == b[start + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[start + i] == b[start + j]) {
                steps.push_back({Edit::Same, start + i++, start + j++});
            } else if (j == m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
                steps.push_back({Edit::Removed, start + i++, 0});
            } else {
                steps.push_back({Edit::Added, 0, start + j++});
            }
        }
    } else {
        for (std::size_t i = start; i < endA; ++i) steps.push_back({Edit::Removed, i, 0});
        for (std::size_t j = start; j < endB; ++j) steps.push_back({Edit::Added, 0, j});
    }
    for (std::size_t i = endA, j = endB; i < a.size(); ++i, ++j) steps.push_back({Edit::Same, i, j});
    return steps;
}

// A line as the diff shows it: escaped, its line end as written text.
void AppendShown(std::string& out, char mark, std::string_view line) {
    out += mark;
    const std::string_view text = WithoutLineEnd(line);
    out += Escaped(text);
    for (const char c : line.substr(text.size())) out += c == '\r' ? "\\r" : "\\n";
    out += '\n';
}

// "start,count" of a hunk's side from the lines before it, as unified diffs
// number lines: from 1, and for an empty side the line before it.
std::string Range(std::size_t first, std::size_t count) {
    const std::size_t start = count == 0 ? first : first + 1;
    return std::to_string(start) + "," + std::to_string(count);
}

}  // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName) {
    if (before == after) return {};
    const std::vector<std::string_view> a = SplitLines(before);
    const std::vector<std::string_view> b = SplitLines(after);
    const std::vector<Step> steps = Steps(a, b);

    // How many lines of each side come before each step.
    std::vector<std::size_t> linesA(steps.size() + 1, 0);
    std::vector<std::size_t> linesB(steps.size() + 1, 0);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        linesA[i + 1] = linesA[i] + (steps[i].Kind != Edit::Added ? 1 : 0);
        linesB[i + 1] = linesB[i] + (steps[i].Kind != Edit::Removed ? 1 : 0);
    }

    std::string out = "--- " + Escaped(beforeName) + "\n+++ " + Escaped(afterName) + "\n";
    std::size_t next = 0;
    while (next < steps.size()) {
        // A hunk: from a change, with its context, up to where more than two
        // contexts' worth of unchanged lines follow.
        while (next < steps.size() && steps[next].Kind == Edit::Same) ++next;
        if (next == steps.size()) break;
        const std::size_t first = next > ContextLines ? next - ContextLines : 0;
        std::size_t last = next;  // one past the last change
        for (std::size_t i = next; i < steps.size(); ++i) {
            if (steps[i].Kind != Edit::Same)
                last = i + 1;
            else if (i - last >= 2 * ContextLines)
                break;
        }
        const std::size_t end = std::min(steps.size(), last + ContextLines);

        std::string body;
        for (std::size_t i = first; i < end; ++i) {
            const Step& step = steps[i];
            if (step.Kind == Edit::Same)
                AppendShown(body, ' ', a[step.Before]);
            else if (step.Kind == Edit::Removed)
                AppendShown(body, '-', a[step.Before]);
            else
                AppendShown(body, '+', b[step.After]);
        }
        out += "@@ -" + Range(linesA[first], linesA[end] - linesA[first]) + " +" +
               Range(linesB[first], linesB[end] - linesB[first]) + " @@\n" + body;
        next = end;
    }
    return out;
}

}  // namespace orvik
