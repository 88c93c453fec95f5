// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// A person list in memory with a few helpers to fill it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Table.h"
#include "records/PersonFields.h"
#include "records/PersonTable.h"

namespace celmora::records_test {

using records::PersonList;
using records::PersonTable;
namespace fields = records::fields;

class PersonFixture : public ::testing::Test {
protected:
    PersonFixture() : engine(platform::makeMemoryTableEngine()), persons(*engine, "/persons")
    {
        persons.open(PersonList::First);
    }

    // Appends and saves a row with the given fields (name first).
    void add(const std::string& name, const std::map<std::string, std::string>& values = {})
    {
        persons.appendNew();
        persons.setField(fields::name, name);
        for (const auto& [field, value] : values) persons.setField(field, value);
        persons.save();
    }

    // One field of every row in the order the grids show.
    std::vector<std::string> column(std::string_view field) const
    {
        std::vector<std::string> out;
        for (int r = 0; r < persons.rowCount(); ++r) out.push_back(persons.rowText(r, field));
        return out;
    }

    std::unique_ptr<platform::TableEngine> engine;
    PersonTable persons;
};

}  // namespace celmora::records_test
