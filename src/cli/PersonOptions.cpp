// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "cli/PersonOptions.h"

#include "cli/CliCommand.h"
#include "core/BirthInput.h"
#include "platform/Messages.h"
#include "platform/Table.h"
#include "records/PersonFields.h"

namespace celmora::cli {

namespace {

records::PersonList parseList(const std::string& value)
{
    if (value == "1") return records::PersonList::First;
    if (value == "2") return records::PersonList::Second;
    throw UsageError{"--list は 1（人名１）か 2（人名２）です: " + value};
}

}  // namespace

records::PersonList takeListOption(std::vector<std::string>& args)
{
    records::PersonList list = records::PersonList::First;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--list") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError{"オプション --list に値がありません。"};
        list = parseList(args[++i]);
    }
    args = std::move(rest);
    return list;
}

PersonOptions takePersonOptions(std::vector<std::string>& args)
{
    PersonOptions options;
    options.list = takeListOption(args);
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--save") {
            options.save = true;
        } else if (args[i] == "--person") {
            if (i + 1 >= args.size()) throw UsageError{"オプション --person に値がありません。"};
            options.person = args[++i];
        } else {
            rest.push_back(args[i]);
        }
    }
    if (options.save && !options.person) throw UsageError{"--save は --person で人名を指定したときだけ使えます。"};
    args = std::move(rest);
    return options;
}

std::optional<core::BirthInput> selectPerson(records::PersonTable& persons, const PersonOptions& options,
                                             platform::Messages& messages)
{
    persons.open(options.list);
    if (!options.person || !persons.findName(*options.person)) {
        messages.information("「" + options.person.value_or("") + "」は" +
                             records::PersonTable::listCaption(options.list) + "にありません。");
        return std::nullopt;
    }
    namespace fields = records::fields;
    core::BirthInput input;
    input.name = persons.field(fields::name);
    input.yearText = persons.field(fields::year);
    input.monthText = persons.field(fields::month);
    input.dayText = persons.field(fields::day);
    input.hourText = persons.field(fields::hour);
    input.minuteText = persons.field(fields::minute);
    input.sex = persons.field(fields::sex);
    input.timeDiffText = persons.field(fields::timeDiff);
    input.area1 = persons.field(fields::area1);
    return input;
}

void requireNoBirthOptions(const PersonOptions& options, const std::vector<std::string>& birthArgs)
{
    if (options.person && !birthArgs.empty()) {
        throw UsageError{"--person を指定したときは、生年月日などは人名の行から読みます（" + birthArgs.front() +
                         " は指定できません）。"};
    }
}

nlohmann::ordered_json personRowJson(const platform::Table& table)
{
    nlohmann::ordered_json row = nlohmann::ordered_json::object();
    for (const platform::FieldDef& field : table.fields()) {
        const std::string value = table.text(field.name);
        const bool number = field.type == platform::FieldType::SmallInt || field.type == platform::FieldType::Integer ||
                            field.type == platform::FieldType::AutoInc;
        if (!number) {
            row[field.name] = value;
        } else if (value.empty()) {
            row[field.name] = nullptr;
        } else {
            row[field.name] = table.integer(field.name);
        }
    }
    return row;
}

}  // namespace celmora::cli
