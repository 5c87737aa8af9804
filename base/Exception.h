// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <exception>
#include <string>
#include <utility>

/// The one kind of failure the program knows: a message meant for the user.
/// Every error ends in the error box with this text.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    /// The message, UTF-8.
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

/// A cell text that is not a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
