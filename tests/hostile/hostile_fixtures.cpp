#include "hostile_fixtures.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lexo::hostile {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) { return LEXO_FIXTURES_DIR "/hostile/" + name; }

std::vector<std::string> FixturesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(Fixture(folder))) {
        if (entry.is_regular_file()) {
            names.push_back(fs::relative(entry.path(), Fixture("")).generic_string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

test::LoadedEngine& Engine() {
    static test::LoadedEngine engine(LEXO_ENGINE_PATH);
    return engine;
}

EngineEntries EngineTable() {
    EngineEntries entries;
    test::LoadedEngine& engine = Engine();
#define LEXO_HOSTILE_COPY_ENTRY(name) entries.name = engine.name;
    LEXO_GAME_ENTRIES(LEXO_HOSTILE_COPY_ENTRY)
#undef LEXO_HOSTILE_COPY_ENTRY
    return entries;
}

std::string ParameterName(const std::string& file) {
    std::string name = file;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace lexo::hostile
