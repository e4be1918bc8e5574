#pragma once

#include <string>
#include <vector>

#include "contract/engine_entries.h"
#include "loaded_engine.h"

// What the hostile tests share: where the corpus is, and the engine of this build.
namespace lexo::hostile {

// tests/fixtures/hostile + "/" + name.
std::string Fixture(const std::string& name);
// The files of one folder of the corpus, by their names under it ("bmp/empty.bmp"), sorted.
std::vector<std::string> FixturesIn(const std::string& folder);

// DGLEngine.so of this build, opened once per process.
test::LoadedEngine& Engine();
// Its entries as the game binds them.
EngineEntries EngineTable();

// A gtest parameter name made of a file name: letters and digits, the rest as '_'.
std::string ParameterName(const std::string& file);

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace lexo::hostile
