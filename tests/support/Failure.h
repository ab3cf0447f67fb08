#pragma once

#include <exception>
#include <optional>
#include <string>

// The text of the E that `action` throws, or "no exception" when it returns.
template <class E = std::exception, class Action>
std::string failureOf(Action&& action)
{
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "no exception";
}

// The E that `action` throws, if it throws one.
template <class E, class Action>
std::optional<E> thrownBy(Action&& action)
{
    try {
        action();
    } catch (const E& error) {
        return error;
    }
    return std::nullopt;
}
