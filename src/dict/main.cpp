#include <cerrno>
#include <cstdio>
#include <cstring>
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

// What a command printed is part of its work: output that could not be written (a full disk, a
// closed pipe) fails the command, whatever it returned.
int Written(int status) {
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return status;
    const int error = errno;
    std::cerr << "lexodrome-dict: cannot write the standard output: " << std::strerror(error)
              << '\n';
    return lexo::dict::kUsageOrFiles;
}

int RunCommand(std::string_view command, const std::vector<std::string>& args) {
    using namespace lexo::dict;
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

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : argc), argv + argc);
    const std::string_view command = argc > 1 ? argv[1] : "";
    return Written(RunCommand(command, args));
}
