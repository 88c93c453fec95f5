// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The birth options of the commands that diagnose a chart, shared by the executable
// and the drawing module.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "core/BirthInput.h"
#include "core/JisaUnit.h"

namespace celmora::cli {

namespace {

// Splits "a<sep>b<sep>c" into exactly `count` texts, kept as typed.
std::vector<std::string> splitExactly(const std::string& text, char sep, std::size_t count)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    if (parts.size() != count) parts.clear();
    return parts;
}

}  // namespace

core::BirthInput parseBirthInput(const std::vector<std::string>& args)
{
    core::BirthInput input;
    std::string date;
    std::string time = "12:00";
    std::string place;
    std::optional<std::string> diff;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) throw UsageError{"オプション " + option + " に値がありません。"};
        const std::string& v = args[++i];
        if (option == "--name")
            input.name = v;
        else if (option == "--date")
            date = v;
        else if (option == "--time")
            time = v;
        else if (option == "--sex")
            input.sex = v;
        else if (option == "--place")
            place = v;
        else if (option == "--diff")
            diff = v;
        else
            throw UsageError{"不明なオプションです: " + option};
    }
    const auto ymd = splitExactly(date, '/', 3);
    if (ymd.empty()) throw UsageError{"--date は YYYY/MM/DD で指定してください。"};
    const auto hm = splitExactly(time, ':', 2);
    if (hm.empty()) throw UsageError{"--time は HH:MM で指定してください。"};
    input.yearText = ymd[0];
    input.monthText = ymd[1];
    input.dayText = ymd[2];
    input.hourText = hm[0];
    input.minuteText = hm[1];
    if (!place.empty()) {
        const int no = core::findPlace(place);
        if (no == 0) throw UsageError{"出生地「" + place + "」は登録されている50の地域にありません。"};
        // As the birthplace screen leaves the person row: "AREA1" and "時差".
        input.area1 = std::string(core::place(no).name);
        input.timeDiffText = std::string(core::place(no).timeDiff);
    }
    if (diff) input.timeDiffText = *diff;
    return input;
}

}  // namespace celmora::cli
