#pragma once
// The checker from its options to its exit status.
#include <ostream>

#include "check/check_options.h"

namespace orvik::check {

// Checks every file the options name, one at a time, and prints each as it
// is checked, then the totals. Paths and files that cannot be read go to
// `errors` as they are met (and into the JSON document). Returns the exit
// status, the highest that the kinds of problem met call for: 2 when a path
// or file could not be read, else 1 when a file has a problem, else 0.
int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace orvik::check
