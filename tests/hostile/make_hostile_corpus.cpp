// Writes the hostile content corpus into a folder (tests/fixtures/hostile):
//   make_hostile_corpus OUTPUT_FOLDER VALID_MP3
// Files of the folder that the corpus no longer has are left alone.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "hostile_corpus.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER VALID_MP3\n", argv[0]);
        return 2;
    }
    std::ifstream mp3(argv[2], std::ios::binary);
    const lexo::hostile::Bytes validMp3((std::istreambuf_iterator<char>(mp3)),
                                        std::istreambuf_iterator<char>());
    if (validMp3.empty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    for (const auto& [name, bytes] : lexo::hostile::MakeCorpus(validMp3)) {
        const std::filesystem::path path = folder / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
