#include "core/usable_values.h"

#include <string>

#include "core/numbers.h"
#include "core/stroke_lists.h"

namespace orvik {

bool IsEditorStrokeType(std::string_view type) {
    for (std::string_view offered : StrokeTypes)
        if (type == offered) return true;
    return false;
}

bool IsBowlerClassCode(std::int16_t code) {
    for (const BowlerClass& bowlers : BowlerClasses)
        if (code == bowlers.Code) return true;
    return false;
}

EdgeProbabilityFault EdgeProbabilityFaultOf(std::string_view text) {
    double probability = 0;
    try {
        probability = DblFromText(text);
    } catch (const ConversionError& error) {
        // The conversion's own word for a number too large for a double.
        return std::string_view(error.what()) == "overflow" ? EdgeProbabilityFault::OutsideZeroToOne
                                                            : EdgeProbabilityFault::NotANumber;
    }
    return probability >= 0 && probability <= 1 ? EdgeProbabilityFault::None : EdgeProbabilityFault::OutsideZeroToOne;
}

bool HasOnlyUsableValues(const StrokeFile& stroke) {
    return IsEditorStrokeType(stroke.Type) && IsBowlerClassCode(stroke.BowlerTypes) &&
           EdgeProbabilityFaultOf(stroke.EdgeProb) == EdgeProbabilityFault::None &&
           EdgeProbabilityFaultOf(stroke.EdgeProb6) == EdgeProbabilityFault::None &&
           EdgeProbabilityFaultOf(stroke.EdgeProb3) == EdgeProbabilityFault::None;
}

}  // namespace orvik
