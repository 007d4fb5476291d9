#pragma once
// What the last line of the checker's output counts.
#include <cstddef>

namespace orvik::check {

struct Totals {
    std::size_t Files = 0;
    std::size_t Clean = 0;
    std::size_t Problems = 0;
};

}  // namespace orvik::check
