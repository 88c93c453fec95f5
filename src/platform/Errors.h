// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

#include <stdexcept>
#include <string>

namespace celmora::platform {

// An error that ends the current command (a button press, a menu command, one
// command-line invocation). The event boundary of the workstation and of the
// command-line program catches it and shows what() — always a Japanese text a
// user can act on. Whatever the command wrote before the error stays.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const std::string& message) : std::runtime_error(message) {}
};

// An index outside an array's declared bounds, or a value outside a field's range.
class RangeError : public CommandError {
public:
    using CommandError::CommandError;
};

// Checked integer arithmetic overflowed.
class OverflowError : public CommandError {
public:
    using CommandError::CommandError;
};

// A text that should hold a number does not.
class ConversionError : public CommandError {
public:
    using CommandError::CommandError;
};

// Integer division by zero.
class DivisionError : public CommandError {
public:
    using CommandError::CommandError;
};

// A table (database file) is missing, unreadable, busy, or refused a value.
class TableError : public CommandError {
public:
    using CommandError::CommandError;
};

// A command gave up after it already told the user why (through Messages).
// The event boundary ends the command silently.
class CommandAborted : public CommandError {
public:
    CommandAborted() : CommandError("") {}
};

}  // namespace celmora::platform
