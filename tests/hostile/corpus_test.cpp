// The committed corpus is exactly what make_hostile_corpus writes, so the files and the code
// that describes them cannot drift apart.

#include <gtest/gtest.h>

#include <set>

#include "hostile_corpus.h"
#include "hostile_fixtures.h"

namespace lexo::hostile {
namespace {

TEST(HostileCorpus, IsWhatItsMakerWrites) {
    const std::string mp3 = ReadFile(LEXO_FIXTURES_DIR "/engine/tone.mp3");
    ASSERT_FALSE(mp3.empty());
    const Corpus corpus = MakeCorpus(Bytes(mp3.begin(), mp3.end()));

    std::set<std::string> committed;
    for (const char* folder : {"bmp", "dft", "wav", "mp3", "mon", "monsters", "dictionaries"}) {
        for (const std::string& file : FixturesIn(folder)) committed.insert(file);
    }
    for (const auto& [name, bytes] : corpus) {
        EXPECT_TRUE(committed.count(name)) << name << " is missing: run make_hostile_corpus";
        EXPECT_EQ(ReadFile(Fixture(name)), std::string(bytes.begin(), bytes.end()))
            << name << " differs: run make_hostile_corpus";
    }
    for (const std::string& name : committed) {
        EXPECT_TRUE(corpus.count(name)) << name << " is not made by make_hostile_corpus";
    }
}

}  // namespace
}  // namespace lexo::hostile
