#include "ui/misread_lines.h"

#include <QCoreApplication>
#include <QStringList>

#include "document/file_text.h"

namespace orvik {

QString MisreadLines(const ReadReport& report) {
    constexpr std::size_t Shown = 10;
    QStringList lines;
    for (std::size_t i = 0; i < report.size() && i < Shown; ++i) {
        const ReadProblem& problem = report[i];
        QString line = problem.Line > 0 ? QStringLiteral("line %1: ").arg(problem.Line) : QString();
        line += QtText(problem.Message);
        if (!problem.Keeps.empty()) line += "; " + QtText(problem.Keeps);
        lines << line;
    }
    if (report.size() > Shown)
        lines << QCoreApplication::translate("orvik::MisreadLines", "and %1 more").arg(report.size() - Shown);
    return lines.join('\n');
}

}  // namespace orvik
