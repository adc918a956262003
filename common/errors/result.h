#pragma once
// A value or the reason it could not be had. Reads like an optional
// (if (result), *result, result->member) and carries the Error besides.
// Neither may be dropped unread: the class templates are [[nodiscard]], so
// every call whose result is ignored is a compile warning.
#include "common/errors/error.h"

#include <cassert>
#include <utility>
#include <variant>

namespace tervok {

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    bool has_value() const { return ok(); }
    explicit operator bool() const { return ok(); }

    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(value()); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    T& value() &
    {
        assert(ok());
        return std::get<0>(state_);
    }
    const T& value() const&
    {
        assert(ok());
        return std::get<0>(state_);
    }
    T&& value() && { return std::move(value()); }
    T valueOr(T fallback) const& { return ok() ? std::get<0>(state_) : std::move(fallback); }

    const Error& error() const
    {
        assert(!ok());
        return std::get<1>(state_);
    }

    // Equal to a value when it holds that value.
    friend bool operator==(const Result& result, const T& value) { return result.ok() && result.value() == value; }

private:
    std::variant<T, Error> state_;
};

// Success, or the reason for the failure.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const
    {
        assert(failed_);
        return error_;
    }

private:
    Error error_;
    bool failed_ = false;
};

using Status = Result<void>;

namespace detail {

// The value TRY gives: the Result's value moved out, or nothing for a Status.
template <class T>
T valueOfTry(Result<T>&& result)
{
    return std::move(*result);
}
inline void valueOfTry(Result<void>&&) {}

}  // namespace detail

}  // namespace tervok

// TRY(expression) passes a failure on: when the Result or Status the
// expression gives failed, the function using TRY returns its Error;
// otherwise TRY gives its value (nothing for a Status):
//     const std::string bytes = TRY(readWholeFile(path));
//     TRY(writeAllAt(fd, bytes));
// It is a GNU statement expression, which g++ and clang both take;
// __extension__ keeps -Wpedantic quiet about it.
#define TRY(expression)                                           \
    __extension__({                                               \
        auto tryResult_ = (expression);                           \
        if (!tryResult_)                                          \
            return tryResult_.error();                            \
        ::tervok::detail::valueOfTry(std::move(tryResult_));      \
    })
