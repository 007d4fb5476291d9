#pragma once
// The checker from its options to its exit status.
#include <ostream>

#include "check/check_options.h"

namespace orvik::check {

// Checks every file the options name, one at a time, and prints each as it
// is checked, then the totals. Paths that cannot be read at all go to
// `errors` (and into the JSON document). Returns the exit status: 0 when
// every file is clean, 1 when one has a problem, 2 when a path cannot be read.
int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace orvik::check
