#pragma once
// The editor's statements that must fail silently, one at a time: the reader's
// steps, the field handlers and the timer tick. A statement that fails the way
// a statement can (text that is no number, a value out of range, a subscript
// outside its array, a list that holds no such entry) is abandoned, whatever it
// would have assigned keeps its value, and the caller goes on with the next
// statement. Anything else (memory exhausted, a programming fault) is no
// statement's failure: it goes on up to the command, which reports it.
#include <stdexcept>
#include <utility>

namespace orvik {

// The failures of a single statement; ResumeNext swallows these and
// std::out_of_range (a subscript or position outside its range).
class StatementFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one statement; returns whether it completed.
template <class Statement>
bool ResumeNext(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const StatementFailure&) {
        return false;
    } catch (const std::out_of_range&) {
        return false;
    }
}

}  // namespace orvik
