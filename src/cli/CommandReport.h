// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// What one command prints and returns: a JSON object on standard output, the error
// text (if any) again on standard error, and the exit status. Every command builds
// it in the same order, so that the keys come out in the same order:
//
//   CommandReport report(session, "wheel");   // "command"
//   report.json["..."] = ...;                 // the command's own leading fields
//   report.guard([&] { ... });                // the work; an error ends only the work
//   report.addOutcome();                      // "status", "error" (when set), "messages"
//   report.json["..."] = ...;                 // fields that follow the outcome
//   report.write("chart", [&](JsonWriter& w) { writeChart(w, chart); });  // large ones
//   return report.print(out, err);

#include <functional>
#include <iosfwd>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

namespace celmora::cli {

class CliSession;
class JsonWriter;

class CommandReport {
public:
    CommandReport(const CliSession& session, const char* command);

    // The printed object; "command" is its first key.
    nlohmann::ordered_json json = nlohmann::ordered_json::object();

    int status() const { return status_; }
    bool completed() const;
    // The input was refused; the messages shown already say why.
    void refuse();
    // The input was refused with `text` as the error (a file that cannot be imported).
    void refuse(std::string text);
    // An error ended the command.
    void fail(std::string text);

    // Runs `work`. A CommandError fails the report with its text as worded; any other
    // exception with the internal-error text. Other throws (UsageError) pass through.
    void guard(const std::function<void()>& work);

    // Adds "status" ("completed", "refused" or "error"), "error" when there is one,
    // and "messages": the texts of the messages shown so far.
    void addOutcome();

    // Adds `key` with a value that `writeValue` writes straight as JSON text when the
    // report is printed, without a document tree (the chart record, the wheel frame):
    // what it reads must live until print(). It keeps its place among the keys of
    // `json`, where it stands as null until then.
    void write(const std::string& key, std::function<void(JsonWriter&)> writeValue);

    // Prints the JSON on `out` and the error text, if any, on `err`; the exit status.
    int print(std::ostream& out, std::ostream& err) const;

private:
    const CliSession& session_;
    int status_;
    std::string error_;
    std::map<std::string, std::function<void(JsonWriter&)>> written_;
};

}  // namespace celmora::cli
