#include "core/read_report.h"

#include <initializer_list>

#include "core/shown_text.h"

namespace orvik {
bool FitsLayout(std::string_view line, std::string_view layout) {
    // The words between the holes in order: the first at the start of the
    // line, the last at its end, the others anywhere between. A "<" in a
    // layout line always opens a hole.
    std::size_t hole = layout.find('<');
    if (hole == std::string_view::npos) return line == layout;
    if (!line.starts_with(layout.substr(0, hole))) return false;
    std::size_t at = hole;  // in `line`
    while (true) {
        const std::size_t wordsStart = layout.find('>', hole) + 1;
        hole = layout.find('<', wordsStart);
        const std::string_view words = layout.substr(wordsStart, hole - wordsStart);
        if (hole == std::string_view::npos) return line.size() >= at + words.size() && line.ends_with(words);
        const std::size_t found = line.find(words, at);
        if (found == std::string_view::npos) return false;
        at = found + words.size();
    }
}

bool FitsAnotherLayoutLine(std::string_view line, std::string_view layout) {
    for (std::string_view other : {layout::FirstLine, layout::EmptyLine})
        if (other != layout && FitsLayout(line, other)) return true;
    for (const FormatLine* other : format::LinesWithFields)
        if (other->Layout() != layout && FitsLayout(line, other->Layout())) return true;
    // A normal key frame's mode line other than the one expected.
    return line.starts_with(layout::NormalMode) && line != layout && line.size() == layout::NormalMode.size() + 1 &&
           line.back() >= '0' && line.back() <= '4';
}

std::string ValueShown(const StrokeFile& stroke, const FieldId& field) {
    if (field.Kind == FieldKind::WholeFile) return {};
    const FormatField* formatField = FormatFieldOf(field.Kind);
    const std::string value = ValueText(stroke, field);
    return formatField != nullptr && formatField->IsNumber() ? value : Quoted(value);
}

}  // namespace orvik
