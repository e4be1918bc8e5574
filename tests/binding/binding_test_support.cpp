#include "binding_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace lexo::test {

MessageRecorder::MessageRecorder() {
    previous_ = SetMessageBoxPresenter([this](const std::string& caption, const std::string& text) {
        messages_.emplace_back(caption, text);
    });
}

MessageRecorder::~MessageRecorder() { SetMessageBoxPresenter(std::move(previous_)); }

std::vector<std::pair<std::string, void (*)()>> EntryList(const EngineEntries& entries) {
    std::vector<std::pair<std::string, void (*)()>> list;
#define LEXO_LIST_ENTRY(name) list.emplace_back(#name, reinterpret_cast<void (*)()>(entries.name));
    LEXO_ENGINE_ENTRIES(LEXO_LIST_ENTRY, LEXO_LIST_ENTRY)
#undef LEXO_LIST_ENTRY
    return list;
}

std::string UniqueProcessName() {
    static int calls = 0;
    static std::mt19937 random{std::random_device{}()};
    char name[16];
    std::snprintf(name, sizeof name, "lxb%d%c%03x", static_cast<int>(getpid() % 10000000),
                  'a' + calls++ % 26, static_cast<unsigned>(random() & 0xfff));
    return name;
}

void CopyExecutable(const std::string& from, const std::string& to) {
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    chmod(to.c_str(), 0755);
}

}  // namespace lexo::test
