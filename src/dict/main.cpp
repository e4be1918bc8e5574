#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "dict/commands.h"

namespace {

constexpr const char* kUsage = R"(usage: lexodrome-dict COMMAND [ARGUMENTS]

Brings your own words into Lexodrome and gives them back.

commands:
  import INPUT --out FOLDER   make a dictionary folder from a TSV, CSV, Anki or plain list
  check FOLDER...             report everything in dictionary folders that would surprise a player
  export FOLDER [--out FILE]  write a dictionary folder as UTF-8 TSV
  review --out FOLDER         make a dictionary of the words your games missed, when due
  stats [--html FILE]         show your progress by dictionary and mode
  memory [--json] [--fit]     what the memory model says of every word you played

"lexodrome-dict COMMAND --help" tells more about each.
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace lexo::dict;
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : argc), argv + argc);
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "import") return RunImport(args);
        if (command == "check") return RunCheck(args);
        if (command == "export") return RunExport(args);
        if (command == "review") return RunReview(args);
        if (command == "stats") return RunStats(args);
        if (command == "memory") return RunMemory(args);
    } catch (const std::exception& error) {
        std::cerr << "lexodrome-dict: " << error.what() << '\n';
        return kUsageOrFiles;
    }
    if (command == "--help" || command == "help") {
        std::cout << kUsage;
        return kSuccess;
    }
    std::cerr << kUsage;
    return kUsageOrFiles;
}
