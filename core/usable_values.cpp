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
        // A number too large for a double lies outside 0 to 1 all the same.
        return error.Kind() == ConversionFailure::Overflow ? EdgeProbabilityFault::OutsideZeroToOne
                                                           : EdgeProbabilityFault::NotANumber;
    }
    return probability >= 0 && probability <= 1 ? EdgeProbabilityFault::None : EdgeProbabilityFault::OutsideZeroToOne;
}

bool HasOnlyUsableSixHitTags(const StrokeFile& stroke) {
    const int count = SixHitKeyFrameCount(stroke);
    for (int k = 0; k < count; ++k)
        if (!IsValidSixHitTag(KeyFrameAt(stroke, NormalKeyFrameCount + k).KeyFrameTag)) return false;
    return true;
}

bool IsZeroedKeyFrame(const KeyFrame& keyFrame) {
    return keyFrame.Frame == 0 && keyFrame.Vertical == 0 && keyFrame.Direction == 0 && keyFrame.Power == 0;
}

bool HasOnlyUsableValues(const StrokeFile& stroke) {
    for (int k = 0; k < NormalKeyFrameCount; ++k)
        if (IsZeroedKeyFrame(KeyFrameAt(stroke, k))) return false;
    return HasOnlyUsableSixHitTags(stroke) && IsEditorStrokeType(stroke.Type) &&
           IsBowlerClassCode(stroke.BowlerTypes) &&
           EdgeProbabilityFaultOf(stroke.EdgeProb) == EdgeProbabilityFault::None &&
           EdgeProbabilityFaultOf(stroke.EdgeProb6) == EdgeProbabilityFault::None &&
           EdgeProbabilityFaultOf(stroke.EdgeProb3) == EdgeProbabilityFault::None;
}

}  // namespace orvik
