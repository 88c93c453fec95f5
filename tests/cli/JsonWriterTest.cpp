// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// JsonWriter against its oracle, nlohmann's own dump(2): the command-line JSON must
// stay byte for byte what the document tree printed, for every kind of value, text
// that needs escaping or replacing included.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/JsonWriter.h"

namespace celmora::cli {
namespace {

using Json = nlohmann::ordered_json;

const std::vector<std::string> texts = {
    "",
    "abc",
    "山羊 10.05",
    "a\"b\\c/d",
    "tab\tnew\nline\r\b\f",
    std::string("\x01\x1f\x7f", 3),
    std::string("nul\0byte", 8),
    "\xef\xbf\xbd is a real U+FFFD",
    "lone \xff byte",
    "cut \xe5\xb1",
    "overlong \xc0\xaf",
    "surrogate \xed\xa0\x80",
    "four \xf0\x9f\x8c\x99 bytes",
};

const std::vector<double> reals = {0.0,
                                   -0.0,
                                   10.2,
                                   11.0,
                                   0.1 + 0.2,
                                   283.7,
                                   1e-7,
                                   123456789012345678.0,
                                   1e300,
                                   5e-324,
                                   -42.25,
                                   1e15,
                                   1e16,
                                   1e-4,
                                   1e-5,
                                   std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity()};

const std::vector<int> integers = {0, -1, 7, INT_MAX, INT_MIN};

std::string dumped(const Json& json)
{
    return json.dump(2, ' ', false, Json::error_handler_t::replace);
}

TEST(JsonWriter, WritesWhatNlohmannDumps)
{
    Json expected = Json::object();
    std::ostringstream out;
    {
        JsonWriter w(out);
        w.beginObject();

        w.key("texts");
        w.beginArray();
        expected["texts"] = Json::array();
        for (const std::string& t : texts) {
            w.value(t);
            expected["texts"].push_back(t);
        }
        w.end();

        w.key("reals");
        w.beginArray();
        expected["reals"] = Json::array();
        for (double r : reals) {
            w.value(r);
            expected["reals"].push_back(r);
        }
        w.end();

        w.key("integers and flags");
        w.beginArray();
        expected["integers and flags"] = Json::array();
        for (int i : integers) {
            w.value(i);
            expected["integers and flags"].push_back(i);
        }
        w.value(true);
        w.value(false);
        expected["integers and flags"].push_back(true);
        expected["integers and flags"].push_back(false);
        w.end();

        // Keys are escaped like texts; empty containers are written closed.
        for (const std::string& k : {std::string("鍵"), std::string("ke\"y\x02"), std::string("bad \xfe key")}) {
            w.key(k);
            w.beginObject();
            w.key("empty array");
            w.beginArray();
            w.end();
            w.key("empty object");
            w.beginObject();
            w.end();
            w.key("nested");
            w.beginArray();
            w.beginArray();
            w.value(1);
            w.end();
            w.beginArray();
            w.end();
            w.end();
            w.end();
            expected[k] = {{"empty array", Json::array()},
                           {"empty object", Json::object()},
                           {"nested", Json::array({Json::array({1}), Json::array()})}};
        }

        // Deeper than the indentation the writer copies in one piece.
        w.key("deep");
        Json deep = 20;
        for (int i = 0; i < 20; ++i) w.beginArray();
        w.value(20);
        for (int i = 0; i < 20; ++i) {
            w.end();
            deep = Json::array({deep});
        }
        expected["deep"] = deep;

        // A finished document value at depth 2 keeps its own inner layout.
        const Json finished = {{"labels", {{"namlbl", "試験"}, {"list", {1, 2.5, "x"}}}}, {"none", nullptr}};
        w.key("finished");
        w.beginArray();
        w.value(finished);
        w.value(Json::array());
        w.end();
        expected["finished"] = Json::array({finished, Json::array()});
        w.end();
    }
    EXPECT_EQ(out.str(), dumped(expected));
}

// The text reaches the stream in pieces; a document far larger than one piece comes
// out whole and in order.
TEST(JsonWriter, ALongDocumentComesOutWhole)
{
    Json expected = Json::array();
    std::ostringstream out;
    {
        JsonWriter w(out);
        w.beginArray();
        for (int i = 0; i < 5000; ++i) {
            w.value("行 " + std::to_string(i));
            expected.push_back("行 " + std::to_string(i));
        }
        w.end();
    }
    EXPECT_EQ(out.str(), dumped(expected));
}

}  // namespace
}  // namespace celmora::cli
