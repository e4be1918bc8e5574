#include "game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "text/cp1251.h"

namespace lexo::e2e {
namespace {

namespace fs = std::filesystem;

std::string Cp1251Lines(const std::string& utf8) {
    std::string text;
    std::istringstream lines(utf8);
    for (std::string line; std::getline(lines, line);) text += Utf8ToCp1251(line) + "\r\n";
    return text;
}

}  // namespace

GameProcess::GameProcess() : folder_(dir_.File("game")) {
    fs::copy(LEXO_GAME_DIR, folder_, fs::copy_options::recursive);
}

GameProcess::~GameProcess() {
    if (Running()) kill(pid_, SIGKILL);
    WaitForExit(5s);
}

void GameProcess::RemoveFile(const std::string& relativePath) {
    fs::remove(folder_ + "/" + relativePath);
}

void GameProcess::RemoveShippedDictionaries() {
    for (const auto& entry : fs::directory_iterator(folder_)) {
        if (entry.is_directory() && fs::exists(entry.path() / "names.txt"))
            fs::remove_all(entry.path());
    }
}

void GameProcess::AddDictionary(const std::string& name, const std::string& about,
                                const std::string& words, const std::string& translations,
                                Encoding encoding) {
    const fs::path folder = fs::path(folder_) / name;
    fs::create_directories(folder);
    auto text = [encoding](const std::string& utf8) {
        return encoding == Encoding::Utf8 ? utf8 + "\n" : Cp1251Lines(utf8);
    };
    std::ofstream(folder / "about.txt", std::ios::binary) << text(about);
    std::ofstream(folder / "names.txt", std::ios::binary) << text(words);
    std::ofstream(folder / "names2.txt", std::ios::binary) << text(translations);
}

void GameProcess::SetEnvironment(const std::string& name, const std::string& value) {
    environment_[name] = value;
}

bool GameProcess::Start(const std::string& display) {
    return Spawn(display, folder_, "./zarnik", "");
}

bool GameProcess::StartLauncher(const std::string& display, const std::string& launcher,
                                const std::string& home) {
    return Spawn(display, home, launcher, home);
}

bool GameProcess::Spawn(const std::string& display, const std::string& folder,
                        const std::string& program, const std::string& home) {
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
        if (chdir(folder.c_str()) != 0) _exit(126);
        int err = open((dir_.File("stderr.txt")).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) dup2(err, STDERR_FILENO);
        setenv("DISPLAY", display.c_str(), 1);
        // The runtime folder is the player's alone, as the base directory rules want it.
        chmod(dir_.Path().c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir_.Path().c_str(), 1);
        setenv("XDG_STATE_HOME", dir_.File("state").c_str(), 1);
        setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1);
        unsetenv("LEXODROME_HISTORY");
        unsetenv("LEXODROME_SPEECH");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", dir_.File("sound.raw").c_str(), 1);
        setenv("DGLENGINE_PRINTSCREEN", dir_.File("printscreen").c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        // The test's own locale, not the one of whoever runs the tests.
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LEXODROME_LANGUAGE"})
            unsetenv(name);
        setenv("LANG", "C.UTF-8", 1);
        for (const auto& [name, value] : environment_) setenv(name.c_str(), value.c_str(), 1);
        if (!home.empty()) {
            setenv("HOME", home.c_str(), 1);
            unsetenv("XDG_DATA_HOME");
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return true;
}

std::optional<int> GameProcess::WaitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!exitCode_ && pid_ > 0) {
        int status = 0;
        pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(50ms);
    }
    return exitCode_;
}

std::vector<std::string> GameProcess::HistoryLines() const {
    std::ifstream file(dir_.File("state/lexodrome/history.jsonl"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

void GameProcess::MoveHistoryBack(int days) const {
    const std::string path = dir_.File("state/lexodrome/history.jsonl");
    std::ofstream moved(path + ".new");
    for (std::string line : HistoryLines()) {
        // "time":"2026-12-07T…: the date only; the game writes the time first.
        const size_t at = line.find(R"("time":")") + 8;
        unsigned year = 0, month = 0, day = 0;
        std::sscanf(line.c_str() + at, "%4u-%2u-%2u", &year, &month, &day);
        const std::chrono::year_month_day earlier(
            std::chrono::sys_days(std::chrono::year(static_cast<int>(year)) / month / day) -
            std::chrono::days(days));
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02u-%02u", static_cast<int>(earlier.year()),
                      static_cast<unsigned>(earlier.month()), static_cast<unsigned>(earlier.day()));
        line.replace(at, 10, date);
        moved << line << '\n';
    }
    moved.close();
    std::rename((path + ".new").c_str(), path.c_str());
}

bool GameProcess::Running() { return pid_ > 0 && !WaitForExit(0ms); }

std::string GameProcess::Stderr() const {
    std::ifstream file(dir_.File("stderr.txt"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

size_t GameProcess::SoundBytes() const {
    std::error_code error;
    const auto size = fs::file_size(dir_.File("sound.raw"), error);
    return error ? 0 : static_cast<size_t>(size);
}

bool GameProcess::SoundIsHeard(size_t from, size_t to) const {
    const std::optional<size_t> first = FirstSound(from);
    return first && *first < to;
}

std::optional<size_t> GameProcess::FirstSound(size_t from) const {
    std::ifstream file(dir_.File("sound.raw"), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(from));
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    const size_t at = bytes.find_first_not_of('\0');
    if (at == std::string::npos) return std::nullopt;
    return from + at;
}

std::optional<std::string> GameProcess::PrintScreen(const std::function<void()>& wake,
                                                    std::chrono::milliseconds timeout) {
    const std::string path = dir_.File("printscreen");
    fs::remove(path);
    kill(pid_, SIGUSR1);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code error;
        // The engine writes the picture under another name and renames it when complete.
        if (fs::exists(path, error)) return path;
        wake();
        std::this_thread::sleep_for(100ms);
    }
    return std::nullopt;
}

}  // namespace lexo::e2e
