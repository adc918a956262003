#pragma once
// A value or the reason it could not be had. Reads like an optional
// (if (result), *result, result->member) and carries the Error besides.
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

}  // namespace tervok
