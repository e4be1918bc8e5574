#include "binding/engine_library.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>

#include "errors/message_box.h"
#include "process/process_termination.h"

namespace lexo {
namespace {

// Only a regular file (or a link to one) counts. A directory or device of that name is no
// library, and opening a FIFO would wait for a writer.
bool LibraryFileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// dlopen searches the library path for a bare file name; the library belongs to the working
// directory, as the existence test took it.
std::string DlopenPath(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

}  // namespace

bool EngineLibrary::LoadEngineLibrary(const std::string& path) {
    if (!LibraryFileExists(path)) {
        ShowMessageBox(kBindingCaption, "DGLEngine DLL (\"" + path + "\") not found!");
        return false;
    }
    void* previous = module_;
    module_ = dlopen(DlopenPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
        openCount_ = 0;
        const char* reason = dlerror();
        ShowMessageBox(kBindingCaption, "Couldn't load DGLEngine DLL for unknown reason!");
        // The box stays vague; the loader's own reason lets a player report the fault.
        if (reason != nullptr) std::fprintf(stderr, "%s\n", reason);
        return false;
    }
    openCount_ = (module_ == previous && openCount_ > 0) ? openCount_ + 1 : 1;

    auto version = reinterpret_cast<DLL_verFn>(dlsym(module_, "DLL_ver"));
    if (version == nullptr) {
        ShowMessageBox(kBindingCaption, "Corrupted DGLEngine DLL!");
        return false;
    }
    if (version() >= 1) BindEngineEntries();
    return true;
}

void EngineLibrary::BindEngineEntries() {
#define LEXO_BIND_ENTRY(name) \
    entries_.name = reinterpret_cast<decltype(entries_.name)>(dlsym(module_, #name));
    LEXO_ENGINE_ENTRIES(LEXO_BIND_ENTRY, LEXO_BIND_ENTRY)
    LEXO_OPTIONAL_ENTRIES(LEXO_BIND_ENTRY)
#undef LEXO_BIND_ENTRY
}

void EngineLibrary::FreeEngineLibrary(const std::string& exeName) {
    if (!exeName.empty() && TerminateProcessesByName(exeName) == 0) {
        ShowMessageBox(kBindingCaption, "Couldn't find process \"" + exeName + "\"!");
    }
    if (openCount_ == 0 || dlclose(module_) != 0) {
        module_ = nullptr;
        openCount_ = 0;
        ShowMessageBox(kBindingCaption, "Couldn't free DGLEngine DLL!");
        return;
    }
    --openCount_;
}

std::vector<std::string> EngineLibrary::MissingGameEntries() const {
    std::vector<std::string> missing;
#define LEXO_CHECK_ENTRY(name) \
    if (entries_.name == nullptr) missing.emplace_back(#name);
    LEXO_GAME_ENTRIES(LEXO_CHECK_ENTRY)
#undef LEXO_CHECK_ENTRY
    return missing;
}

}  // namespace lexo
