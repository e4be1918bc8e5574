#include "binding/engine_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "binding_test_support.h"
#include "temp_dir.h"
#include "working_directory.h"

namespace lexo {
namespace {

using test::EntryList;
using test::Message;
using test::MessageRecorder;
using test::TempDir;

Message BindingMessage(const std::string& text) { return {kBindingCaption, text}; }

// Whether the dynamic loader holds the library, without loading it.
bool IsLoaded(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) dlclose(handle);
    return handle != nullptr;
}

size_t BoundCount(const EngineEntries& entries) {
    size_t bound = 0;
    for (const auto& [name, entry] : EntryList(entries)) bound += entry != nullptr;
    return bound;
}

// What a stand-in entry says it is: every test library's entries return their own names.
std::string SymbolName(void (*entry)()) { return reinterpret_cast<const char* (*)()>(entry)(); }

std::vector<std::string> AllGameEntries() {
    std::vector<std::string> names;
#define LEXO_NAME(name) names.emplace_back(#name);
    LEXO_GAME_ENTRIES(LEXO_NAME)
#undef LEXO_NAME
    return names;
}

class EngineLibraryTest : public testing::Test {
  protected:
    MessageRecorder recorder;
    TempDir dir;
    EngineLibrary library;
};

TEST_F(EngineLibraryTest, MissingFileIsReportedWithThePathAsGiven) {
    test::ScopedWorkingDirectory cwd(dir.Path());
    EXPECT_FALSE(library.LoadEngineLibrary("DGLEngine.so"));
    EXPECT_FALSE(library.LoadEngineLibrary("sub/DGLEngine.so"));
    EXPECT_EQ(
        recorder.Messages(),
        (std::vector<Message>{BindingMessage("DGLEngine DLL (\"DGLEngine.so\") not found!"),
                              BindingMessage("DGLEngine DLL (\"sub/DGLEngine.so\") not found!")}));
    EXPECT_EQ(library.ModuleHandle(), nullptr);
    EXPECT_EQ(BoundCount(library.Entries()), 0u);
}

TEST_F(EngineLibraryTest, OnlyARegularFileCountsAsTheLibrary) {
    std::filesystem::create_directory(dir.File("DGLEngine.so"));
    std::filesystem::create_symlink(dir.File("nowhere.so"), dir.File("link.so"));
    EXPECT_FALSE(library.LoadEngineLibrary(dir.File("DGLEngine.so")));
    EXPECT_FALSE(library.LoadEngineLibrary(dir.File("link.so")));
    EXPECT_FALSE(library.LoadEngineLibrary("/dev/null"));
    EXPECT_EQ(recorder.Messages(),
              (std::vector<Message>{
                  BindingMessage("DGLEngine DLL (\"" + dir.File("DGLEngine.so") + "\") not found!"),
                  BindingMessage("DGLEngine DLL (\"" + dir.File("link.so") + "\") not found!"),
                  BindingMessage("DGLEngine DLL (\"/dev/null\") not found!")}));
    EXPECT_EQ(library.ModuleHandle(), nullptr);
}

TEST_F(EngineLibraryTest, FileThatIsNoLibraryFailsToLoadWithTheLoadersReasonOnStderr) {
    std::ofstream(dir.File("DGLEngine.so")) << "not a shared object\n";
    testing::internal::CaptureStderr();
    bool loaded = library.LoadEngineLibrary(dir.File("DGLEngine.so"));
    std::string stderrText = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(loaded);
    EXPECT_EQ(
        recorder.Messages(),
        std::vector<Message>{BindingMessage("Couldn't load DGLEngine DLL for unknown reason!")});
    EXPECT_EQ(library.ModuleHandle(), nullptr);
    std::string boxLine = "DGLEngine header: Couldn't load DGLEngine DLL for unknown reason!\n";
    ASSERT_EQ(stderrText.substr(0, boxLine.size()), boxLine);
    EXPECT_NE(stderrText.find(dir.File("DGLEngine.so"), boxLine.size()), std::string::npos)
        << stderrText;
}

TEST_F(EngineLibraryTest, LibraryWithoutVersionIsCorruptAndStaysLoadedUnbound) {
    EXPECT_FALSE(library.LoadEngineLibrary(LEXO_ENGINE_UNVERSIONED));
    EXPECT_EQ(recorder.Messages(),
              std::vector<Message>{BindingMessage("Corrupted DGLEngine DLL!")});
    EXPECT_NE(library.ModuleHandle(), nullptr);
    EXPECT_TRUE(IsLoaded(LEXO_ENGINE_UNVERSIONED));
    EXPECT_EQ(BoundCount(library.Entries()), 0u);

    recorder.Clear();
    library.FreeEngineLibrary("");
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_FALSE(IsLoaded(LEXO_ENGINE_UNVERSIONED));
}

TEST_F(EngineLibraryTest, VersionZeroLoadsWithoutBindingOrMessage) {
    EXPECT_TRUE(library.LoadEngineLibrary(LEXO_ENGINE_VERSION_0));
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_TRUE(IsLoaded(LEXO_ENGINE_VERSION_0));
    EXPECT_EQ(BoundCount(library.Entries()), 0u);
    EXPECT_EQ(library.MissingGameEntries(), AllGameEntries());
    library.FreeEngineLibrary("");
}

TEST_F(EngineLibraryTest, VersionFromOneBindsEveryEntryToTheSymbolOfItsName) {
    EXPECT_TRUE(library.LoadEngineLibrary(LEXO_ENGINE_VERSION_255));
    EXPECT_TRUE(recorder.Messages().empty());
    auto entries = EntryList(library.Entries());
    ASSERT_EQ(entries.size(), 198u);
    for (const auto& [name, entry] : entries) {
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(SymbolName(entry), name);
    }
    EXPECT_TRUE(library.MissingGameEntries().empty());
    library.FreeEngineLibrary("");
}

TEST_F(EngineLibraryTest, NamesTheLibraryLacksStayNullSilently) {
    EXPECT_TRUE(library.LoadEngineLibrary(LEXO_ENGINE_PARTIAL));
    EXPECT_TRUE(recorder.Messages().empty());
    for (const auto& [name, entry] : EntryList(library.Entries())) {
        if (name == "RegProcedure" || name == "EngineMainDraw" || name == "PrintScreen") {
            ASSERT_NE(entry, nullptr) << name;
            EXPECT_EQ(SymbolName(entry), name);
        } else {
            EXPECT_EQ(entry, nullptr) << name;
        }
    }
    std::vector<std::string> missing = AllGameEntries();
    std::erase(missing, "RegProcedure");
    std::erase(missing, "EngineMainDraw");
    EXPECT_EQ(library.MissingGameEntries(), missing);
    library.FreeEngineLibrary("");
}

TEST_F(EngineLibraryTest, BareNameIsOpenedFromTheWorkingDirectoryThroughALink) {
    std::filesystem::create_symlink(LEXO_ENGINE_VERSION_255, dir.File("DGLEngine.so"));
    test::ScopedWorkingDirectory cwd(dir.Path());
    EXPECT_TRUE(library.LoadEngineLibrary("DGLEngine.so"));
    EXPECT_TRUE(recorder.Messages().empty());
    ASSERT_NE(library.Entries().EngineMainDraw, nullptr);
    library.FreeEngineLibrary("");
}

TEST_F(EngineLibraryTest, UnloadingReleasesTheLibraryAndKeepsHandleAndEntries) {
    ASSERT_TRUE(library.LoadEngineLibrary(LEXO_ENGINE_VERSION_255));
    void* handle = library.ModuleHandle();
    library.FreeEngineLibrary("");
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_FALSE(IsLoaded(LEXO_ENGINE_VERSION_255));
    EXPECT_EQ(library.ModuleHandle(), handle);
    EXPECT_EQ(BoundCount(library.Entries()), 198u);
}

TEST_F(EngineLibraryTest, UnloadingWithoutALoadedLibraryFailsAndClearsTheHandle) {
    EXPECT_FALSE(library.LoadEngineLibrary(dir.File("DGLEngine.so")));
    recorder.Clear();
    library.FreeEngineLibrary("");
    EXPECT_EQ(recorder.Messages(),
              std::vector<Message>{BindingMessage("Couldn't free DGLEngine DLL!")});
    EXPECT_EQ(library.ModuleHandle(), nullptr);
}

TEST_F(EngineLibraryTest, EachLoadNeedsItsOwnUnloadAndOneMoreFails) {
    ASSERT_TRUE(library.LoadEngineLibrary(LEXO_ENGINE_VERSION_255));
    ASSERT_TRUE(library.LoadEngineLibrary(LEXO_ENGINE_VERSION_255));
    library.FreeEngineLibrary("");
    EXPECT_TRUE(IsLoaded(LEXO_ENGINE_VERSION_255));
    library.FreeEngineLibrary("");
    EXPECT_FALSE(IsLoaded(LEXO_ENGINE_VERSION_255));
    EXPECT_TRUE(recorder.Messages().empty());

    // The handle still holds the closed library's value; it must not reach the loader again.
    library.FreeEngineLibrary("");
    EXPECT_EQ(recorder.Messages(),
              std::vector<Message>{BindingMessage("Couldn't free DGLEngine DLL!")});
    EXPECT_EQ(library.ModuleHandle(), nullptr);
}

}  // namespace
}  // namespace lexo
