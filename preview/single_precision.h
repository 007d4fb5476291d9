#pragma once
// Line coordinates are single-precision numbers. Storing a double that a
// single cannot hold (beyond its range, infinite or not a number) is an
// overflow: the statement fails and the coordinate keeps its value.
#include <cfloat>
#include <cmath>

#include "core/numbers.h"

namespace orvik {

inline bool FitsSingle(double value) { return std::fabs(value) <= FLT_MAX; }

inline float ToSingle(double value) {
    if (!FitsSingle(value)) throw ConversionError(ConversionFailure::Overflow);
    return static_cast<float>(value);
}

}  // namespace orvik
