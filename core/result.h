#pragma once
// What an operation that can fail gives back: its value, or the reason it has
// none. Every fallible operation of the editor and the checker returns one,
// so that a caller always asks the same way: `if (!result) Tell(result.Why());`.
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace orvik {

// The reason an operation failed, as given to a Result.
template <class Reason>
struct Failure {
    Reason Why;
};

template <class Reason>
Failure<std::decay_t<Reason>> Fail(Reason&& why) {
    return {std::forward<Reason>(why)};
}

// The value of an operation that gives nothing but its success.
struct Done {};

template <class T, class Reason = std::string>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure<Reason> failure) : state_(std::in_place_index<1>, std::move(failure.Why)) {}
    // A failure whose reason converts to Reason ("a string literal").
    template <class Other>
    requires(!std::is_same_v<Other, Reason> && std::is_constructible_v<Reason, Other>) Result(Failure<Other> failure)
        : state_(std::in_place_index<1>, Reason(std::move(failure.Why))) {}

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    // The value; only where Ok().
    T& Value() & { return std::get<0>(state_); }
    const T& Value() const& { return std::get<0>(state_); }
    T&& Value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    T& operator*() & { return Value(); }
    const T& operator*() const& { return Value(); }

    // Why there is no value; only where !Ok().
    const Reason& Why() const { return std::get<1>(state_); }

private:
    std::variant<T, Reason> state_;
};

// An operation that gives nothing but its success, or the reason it failed.
template <class Reason = std::string>
using Status = Result<Done, Reason>;

}  // namespace orvik
