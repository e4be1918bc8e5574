#include "fake_engine.h"

#include <sstream>

namespace lexo::testing {

RecordingEngine* RecordingEngine::current = nullptr;

namespace {

void Arguments(std::ostringstream&) {}

template <typename First, typename... Rest>
void Arguments(std::ostringstream& out, First first, Rest... rest) {
    if constexpr (std::is_same_v<First, const char*>) {
        out << first;
    } else if constexpr (std::is_same_v<First, bool>) {
        out << (first ? 1 : 0);
    } else {
        out << first;
    }
    if constexpr (sizeof...(rest) > 0) {
        out << ',';
        Arguments(out, rest...);
    }
}

template <typename... Args>
void Record(const char* name, Args... args) {
    std::ostringstream out;
    out << name << '(';
    Arguments(out, args...);
    out << ')';
    RecordingEngine::current->calls.push_back(out.str());
}

EngineHandle Load(const char* path) {
    auto& handles = RecordingEngine::current->handles;
    auto [it, added] = handles.emplace(path, static_cast<EngineHandle>(handles.size() + 1));
    return it->second;
}

}  // namespace

RecordingEngine::RecordingEngine() {
    current = this;
    entries_.RegProcedure = [](int32_t kind, EngineProcedure procedure) {
        Record("RegProcedure", kind);
        current->procedures[kind] = procedure;
    };
    entries_.PleaseNoLogo = [] { Record("PleaseNoLogo"); };
    entries_.SetEngineInitParametrs = [](int32_t w, int32_t h, int32_t bpp, int32_t a, int32_t b,
                                         int32_t c, int32_t d, int32_t e) {
        Record("SetEngineInitParametrs", w, h, bpp, a, b, c, d, e);
    };
    entries_.StartEngine_DrawToPanel = [](unsigned long window) {
        Record("StartEngine_DrawToPanel", window);
        // The engine runs its loading procedure while it starts.
        if (auto it = current->procedures.find(2); it != current->procedures.end()) it->second();
    };
    entries_.UpdateRenderRect = [](int32_t w, int32_t h) { Record("UpdateRenderRect", w, h); };
    entries_.EngineMainDraw = [] {
        Record("EngineMainDraw");
        if (auto it = current->procedures.find(0); it != current->procedures.end()) it->second();
    };
    entries_.QuitEngine = [] { Record("QuitEngine"); };
    entries_.DirectSoundInit = [] { Record("DirectSoundInit"); };
    entries_.LoadTextureFromFile = [](const char* path, int32_t flags, int32_t key) {
        Record("LoadTextureFromFile", path, flags, key);
        return Load(path);
    };
    entries_.LoadFontFromFile = [](const char* path) {
        Record("LoadFontFromFile", path);
        return Load(path);
    };
    entries_.LoadSample = [](const char* path, int32_t a, int32_t b) {
        Record("LoadSample", path, a, b);
        return Load(path);
    };
    entries_.SetSampleVolume = [](EngineHandle sample, int32_t volume) {
        Record("SetSampleVolume", sample, volume);
    };
    entries_.PlaySample = [](EngineHandle sample) { Record("PlaySample", sample); };
    entries_.FreeSample = [](EngineHandle sample) { Record("FreeSample", sample); };
    entries_.PlayMusic = [](const char* path, int32_t loop) { Record("PlayMusic", path, loop); };
    entries_.Begin2D = [] { Record("Begin2D"); };
    entries_.End2D = [] { Record("End2D"); };
    entries_.DrawTexture2D_Simple = [](EngineHandle t, int32_t x, int32_t y, int32_t w, int32_t h,
                                       int32_t a, int32_t b) {
        Record("DrawTexture2D_Simple", t, x, y, w, h, a, b);
    };
    entries_.DrawSprite2D_Simple = [](EngineHandle t, int32_t x, int32_t y, int32_t fw, int32_t fh,
                                      int32_t cols, int32_t rows, int32_t frame, bool mirror,
                                      int32_t last) {
        Record("DrawSprite2D_Simple", t, x, y, fw, fh, cols, rows, frame, mirror, last);
    };
    entries_.DrawText2D = [](EngineHandle font, int32_t x, int32_t y, const char* text,
                             int32_t colour, int32_t alpha, double scale) {
        Record("DrawText2D", font, x, y, text, colour, alpha, scale);
    };
}

RecordingEngine::~RecordingEngine() { current = nullptr; }

void RecordingEngine::AddUtf8TextEntry() {
    entries_.DrawText2D_UTF8 = [](EngineHandle font, int32_t x, int32_t y, const char* utf8,
                                  int32_t colour, int32_t alpha, double scale) {
        Record("DrawText2D_UTF8", font, x, y, utf8, colour, alpha, scale);
    };
}

void RecordingEngine::AddShapedTextEntry() {
    entries_.DrawText2D_Shaped = [](EngineHandle font, int32_t x, int32_t y, const char* utf8,
                                    int32_t colour, int32_t alpha, double scale) {
        Record("DrawText2D_Shaped", font, x, y, utf8, colour, alpha, scale);
    };
}

void RecordingEngine::AddSpeechEntries() {
    entries_.PrepareSpeech = [](const char* voice, const char* utf8) {
        Record("PrepareSpeech", voice, utf8);
    };
    entries_.Speak = [](const char* voice, const char* utf8) { Record("Speak", voice, utf8); };
}

std::vector<std::string> RecordingEngine::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.rfind(prefix, 0) == 0) found.push_back(call);
    }
    return found;
}

EngineHandle RecordingEngine::HandleOf(const std::string& path) const {
    auto it = handles.find(path);
    return it == handles.end() ? 0 : it->second;
}

}  // namespace lexo::testing
