#pragma once
// The reader's report on a misread stroke file as the window tells it: one
// line per problem, "line 31: ...", as orvik-stroke-check prints them.
#include <QString>

#include "core/read_report.h"

namespace orvik {

// At most ten problems, then "and N more".
QString MisreadLines(const ReadReport& report);

}  // namespace orvik
