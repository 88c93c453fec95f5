// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
//
// The drawing commands as the executable lists them: their names, help texts and
// usage live here, so that --help and "<command> --help" never load the drawing
// module; running one loads it (RenderModule.h).

#include "cli/CliCommand.h"
#include "cli/RenderModule.h"

namespace celmora::cli {

namespace {

constexpr const char* printPageUsage =
    "celmora-cli print-page --name-line TEXT (--text-file FILE | --text TEXT) --pdf OUT.pdf\n"
    "                       [--person NAME [--list 1|2] | birth options as for diagnose]\n"
    "  --name-line  the line at the top of every page\n"
    "  --text-file  the body: a UTF-8 text file, one printed line per line\n"
    "  --text       the body given directly (lines separated by line breaks)\n"
    "  --pdf        the PDF file to write (A4)\n"
    "  --person     diagnose this stored person first, for the birth line\n"
    "Exit status: 0 completed, 2 input refused with a message, 1 an error ended the command\n"
    "or the file could not be written.\n";

constexpr const char* wheelUsage =
    "celmora-cli wheel --date YYYY/MM/DD [--time HH:MM] [--name NAME] [--sex 男|女]\n"
    "                  [--place NAME] [--diff ±MM] --out FILE.png|FILE.svg|FILE.pdf\n"
    "                  [--size W] [--style picture|symbol] [--stars] [--arabic] [--mansions]\n"
    "                  [--bands] [--text] [--aspects hard|soft|hard,soft]\n"
    "  birth options as for diagnose\n"
    "  --out       the file to write; its extension chooses the format\n"
    "  --size      side of the square picture in pixels (default 800, at least 603)\n"
    "  --style     signs as coloured pictures (default) or as symbols\n"
    "  --stars     the 20 fixed stars          --arabic    the 5 Arabic parts\n"
    "  --mansions  the 27 lunar mansions       --bands     the bands around the angles\n"
    "  --text      the points as short texts instead of pictures\n"
    "  --aspects   two-body aspect lines of the hard and/or soft aspects\n"
    "Exit status: 0 completed, 2 input refused with a message, 1 an error ended the run\n"
    "or the file could not be written.\n";

int runPrintPageInModule(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err)
{
    return runInRenderModule("print-page", session, args, out, err);
}

int runWheelInModule(CliSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return runInRenderModule("wheel", session, args, out, err);
}

}  // namespace

CliCommand printPageCommand()
{
    return {"print-page", "print a reading page (header, flowing body, footer) into a PDF file", printPageUsage,
            &runPrintPageInModule};
}

CliCommand wheelCommand()
{
    return {"wheel", "diagnose birth data and draw the natal wheel into a PNG, SVG or PDF file", wheelUsage,
            &runWheelInModule};
}

}  // namespace celmora::cli
