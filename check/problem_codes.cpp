#include "check/problem_codes.h"

#include <stdexcept>
#include <string>

namespace orvik::check {

const ProblemCode& ProblemCodeOf(std::string_view code) {
    for (const ProblemCode& entry : ProblemCodes)
        if (entry.Code == code) return entry;
    throw std::logic_error("a problem code without an entry: " + std::string(code));
}

}  // namespace orvik::check
