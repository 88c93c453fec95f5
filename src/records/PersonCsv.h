// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Person lists as CSV files: UTF-8, a header line of field names, one line per row
// (RFC 4180 quoting, so a memo may span lines), CRLF line ends on export; LF, CRLF
// and a leading byte-order mark are accepted on import.
//
// Import is all or nothing: every row is checked before anything is written, and the
// first malformed row is refused with its line number (the line where the row starts).
// The columns may come in any order and may leave fields out (they stay empty).
// "No": into an empty list the file's numbers are kept (a restore); into a list that
// already has rows, the imported rows are numbered after them in file order.

#include <iosfwd>

#include "platform/Errors.h"

namespace celmora::records {

class PersonTable;

// A CSV file that cannot be imported; what() names the line.
class CsvFormatError : public platform::CommandError {
public:
    CsvFormatError(int line, const std::string& problem);
    int line() const { return line_; }

private:
    int line_;
};

// Writes every row of the open list, in entry order, with every field.
void exportPersonsCsv(const PersonTable& persons, std::ostream& out);
// Appends the file's rows to the open list; returns how many. Throws CsvFormatError.
int importPersonsCsv(PersonTable& persons, std::istream& in);

}  // namespace celmora::records
