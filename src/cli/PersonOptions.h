// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// The person-list options the commands share: --list 1|2 chooses the list,
// --person NAME a stored person (exact name, ASCII case ignored) whose birth data a
// command diagnoses, --save writes the chart summary back into that person's row as
// the Diagnose button does.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "records/PersonTable.h"

namespace celmora::core {
struct BirthInput;
}
namespace celmora::platform {
class Messages;
class Table;
}  // namespace celmora::platform

namespace celmora::cli {

struct PersonOptions {
    std::optional<std::string> person;
    records::PersonList list = records::PersonList::First;
    bool save = false;
};

// Takes --person, --list and --save out of `args` (what is left is for the command).
// --save without --person is a UsageError.
PersonOptions takePersonOptions(std::vector<std::string>& args);
// A stored person brings its own birth data: birth options beside --person are a
// UsageError.
void requireNoBirthOptions(const PersonOptions& options, const std::vector<std::string>& birthArgs);
// Takes only --list out of `args`.
records::PersonList takeListOption(std::vector<std::string>& args);

// Opens the chosen list and makes the person current; the birth data as the
// data-entry boxes would show that row. nullopt after a message when there is none.
std::optional<core::BirthInput> selectPerson(records::PersonTable& persons, const PersonOptions& options,
                                             platform::Messages& messages);

// A person row (the current row of `table`): every field under its name in table
// order, numbers as numbers (null when empty).
nlohmann::ordered_json personRowJson(const platform::Table& table);

}  // namespace celmora::cli
