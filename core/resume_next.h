#pragma once
// The editor's statements that must fail silently, one at a time: the reader's
// steps, the field handlers and the timer tick. A statement that throws is
// abandoned, whatever it would have assigned keeps its value, and the caller
// goes on with the next statement.
#include <utility>

namespace orvik {

// Runs one statement; returns whether it completed. Never throws.
template <class Statement>
bool ResumeNext(Statement&& statement) noexcept {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace orvik
