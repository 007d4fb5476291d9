#include "core/problem_kinds.h"

#include <stdexcept>

namespace orvik {

const ProblemKind& ProblemKindOf(std::string_view code) {
    for (const ProblemKind& kind : ProblemKinds)
        if (kind.Code == code) return kind;
    throw std::logic_error("a problem code without an entry: " + std::string(code));
}

std::string MessageAndKeeps(const Problem& problem) {
    return problem.Keeps.empty() ? problem.Message : problem.Message + "; " + problem.Keeps;
}

}  // namespace orvik
