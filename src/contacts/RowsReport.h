// The theme tool's "rows" report: every contact of the device's store as the contact list
// would hold it under a given theme and orientation, each record filled by a bulk read through
// a request list built from that theme, like the loading thread does.
//
//   qbtheme rows [THEME.qbt] [--home DIR] [--device DIR] [--orientation portrait|landscape]
//                [--json]
//
// Without a theme only the defaults and the program folder's "settings.ini" and "lang.ini"
// apply.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "contacts/ContactListItem.h"

struct RowsReportOptions {
  std::string theme;   // archive name or path; empty for none
  std::string home;    // program folder; empty for the default
  std::string device;  // device profile; empty for the default
  std::u16string prefix = u"portrait_";
  bool json = false;
};

// Reads the command's arguments (those after "rows"). False, with a message, when they are
// not understood.
bool ParseRowsArguments(const std::vector<std::string>& args, RowsReportOptions& options,
                        std::string& error);

// Loads the theme, reads the store and writes the report. False, with a message, when the
// store cannot be opened.
bool WriteRowsReport(const RowsReportOptions& options, std::ostream& out, std::string& error);

// The report of already filled records, as text or JSON. Uses the current language texts for
// the phone labels.
void FormatRows(const std::vector<const ContactListItem*>& records, bool json, std::ostream& out);

// The whole command: arguments, report to `out`, problems to `err`; the process exit code.
int RowsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
