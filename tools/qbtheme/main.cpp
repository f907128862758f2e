// qbtheme: the theme tool.
//   qbtheme pack DIR OUT.qbt
//   qbtheme check FILE.qbt [--home DIR] [--orientation portrait|landscape] [--json]
//   qbtheme docs
//   qbtheme rows [THEME.qbt] [--home DIR] [--device DIR] [--orientation ...] [--json]
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "Check.h"
#include "Docs.h"
#include "Pack.h"
#include "contacts/RowsReport.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: qbtheme pack DIR OUT.qbt\n"
               "       qbtheme check FILE.qbt [--home DIR] [--orientation portrait|landscape] "
               "[--json]\n"
               "       qbtheme docs\n"
               "       qbtheme rows [THEME.qbt] [--home DIR] [--device DIR] "
               "[--orientation portrait|landscape] [--json]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "pack") return qbtheme::PackCommand(args);
  if (command == "check") return qbtheme::CheckCommand(args);
  if (command == "docs") return qbtheme::DocsCommand(args);
  if (command == "rows") return RowsCommand(args, std::cout, std::cerr);
  return Usage();
}
