#include "speech.h"

#include <SDL.h>
#include <pthread.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "dft/le_bytes.h"

namespace lexo {
namespace {

// The speech thread's name in the process list (Linux keeps 15 characters).
constexpr const char* kSpeechThread = "lexoSpeech";
// Words kept synthesised: more than a field ever shows at once.
constexpr size_t kKeptWords = 64;
// Bytes of text synthesised at most; the game asks for short phrases only.
constexpr size_t kMaxTextBytes = 256;
// Samples quieter than this (about -42 dB) at either end are cut, so the word starts at once.
constexpr int kSilence = 256;

std::string Key(const char* voice, const char* utf8) {
    std::string text(utf8);
    if (text.size() > kMaxTextBytes) text.resize(kMaxTextBytes);
    return std::string(voice) + "\n" + text;
}

struct Samples {
    std::vector<int16_t> pcm;
    const std::atomic<bool>* stopping = nullptr;
};

int TakeSamples(short* wav, int count, espeak_EVENT* events) {
    auto* samples = static_cast<Samples*>(events->user_data);
    if (wav != nullptr && count > 0) samples->pcm.insert(samples->pcm.end(), wav, wav + count);
    // Nonzero stops the synthesis: the engine is shutting down.
    return samples->stopping->load() ? 1 : 0;
}

// 16-bit samples of the given rate and channels.
struct Samples16 {
    std::vector<uint8_t> bytes;  // little-endian
    int rate = 0;
    int channels = 1;
};

// The mono samples converted here to the format the mixer plays, so that the mixer has nothing
// left to convert on the game's thread when the word is spoken. Unconverted when SDL cannot.
Samples16 ForTheMixer(const int16_t* samples, size_t count, int rate) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(samples);
    Samples16 mono{std::vector<uint8_t>(bytes, bytes + count * 2), rate, 1};
    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, AUDIO_S16LSB, 1, rate, AUDIO_S16LSB, Sound::kChannels,
                          Sound::kFrequency) <= 0) {
        return mono;
    }
    Samples16 converted{mono.bytes, Sound::kFrequency, Sound::kChannels};
    converted.bytes.resize(mono.bytes.size() * static_cast<size_t>(conversion.len_mult));
    conversion.buf = converted.bytes.data();
    conversion.len = static_cast<int>(mono.bytes.size());
    if (SDL_ConvertAudio(&conversion) != 0) return mono;
    converted.bytes.resize(static_cast<size_t>(conversion.len_cvt));
    return converted;
}

// A WAV file of the samples, as the mixer loads any sample.
std::vector<uint8_t> WavFile(const Samples16& samples) {
    const auto dataBytes = static_cast<uint32_t>(samples.bytes.size());
    const auto channels = static_cast<uint16_t>(samples.channels);
    const auto rate = static_cast<uint32_t>(samples.rate);
    std::vector<uint8_t> wav;
    wav.reserve(44 + dataBytes);
    auto text = [&](const char* four) { wav.insert(wav.end(), four, four + 4); };
    auto u32 = [&](uint32_t v) { le::PutU32(wav, v); };
    auto u16 = [&](uint16_t v) { le::PutU16(wav, v); };
    text("RIFF");
    u32(36 + dataBytes);
    text("WAVE");
    text("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(channels);
    u32(rate);
    u32(rate * channels * 2);
    u16(static_cast<uint16_t>(channels * 2));
    u16(16);
    text("data");
    u32(dataBytes);
    wav.insert(wav.end(), samples.bytes.begin(), samples.bytes.end());
    return wav;
}

}  // namespace

Speech::Speech(std::string espeakLibrary) : espeakLibrary_(std::move(espeakLibrary)) {}

Speech::~Speech() { Shutdown(); }

std::string Speech::Ask(const char* voice, const char* utf8, bool urgent) {
    std::string key = Key(voice, utf8);
    auto [word, added] = words_.try_emplace(key);
    if (added) {
        asked_.push_back(key);
        if (asked_.size() > kKeptWords) {
            const std::string oldest = std::move(asked_.front());
            asked_.pop_front();
            words_.erase(oldest);
            std::erase(waiting_, oldest);
        }
    }
    if (!word->second.synthesised && key != working_) {
        std::erase(waiting_, key);
        if (urgent) {
            waiting_.push_front(key);
        } else {
            waiting_.push_back(key);
        }
        if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
        wake_.notify_one();
    }
    return key;
}

void Speech::Prepare(const char* voice, const char* utf8) {
    std::lock_guard lock(mutex_);
    Ask(voice, utf8, false);
}

void Speech::Speak(Sound& sound, const char* voice, const char* utf8) {
    sound.HaltSpeech();
    Wav ready;
    {
        std::lock_guard lock(mutex_);
        wanted_ = Ask(voice, utf8, true);
        const Word& word = words_[wanted_];
        if (!word.synthesised) return;
        ready = word.wav;
        wanted_.clear();
    }
    if (ready != nullptr) sound.PlaySpeech(*ready);
}

void Speech::PlayWhenReady(Sound& sound) {
    Wav ready;
    {
        std::lock_guard lock(mutex_);
        if (wanted_.empty()) return;
        const auto word = words_.find(wanted_);
        if (word != words_.end() && !word->second.synthesised) return;
        if (word != words_.end()) ready = word->second.wav;
        wanted_.clear();
    }
    if (ready != nullptr) sound.PlaySpeech(*ready);
}

void Speech::Work() {
    // Named, so that the game's threads tell apart in top -H.
    pthread_setname_np(pthread_self(), kSpeechThread);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (stopping_) return;
        const std::string key = std::move(waiting_.front());
        waiting_.pop_front();
        working_ = key;
        const size_t newline = key.find('\n');
        lock.unlock();
        Wav wav = Synthesise(key.substr(0, newline), key.substr(newline + 1));
        lock.lock();
        working_.clear();
        const auto word = words_.find(key);
        if (word == words_.end()) continue;
        word->second.synthesised = true;
        word->second.wav = std::move(wav);
    }
}

Speech::Wav Speech::Synthesise(const std::string& voice, const std::string& text) {
    if (!espeakTried_) {
        espeakTried_ = true;
        // espeak-ng starts a thread of its own as it opens, and a new thread takes its
        // creator's name.
        pthread_setname_np(pthread_self(), "lexoEspeak");
        espeak_ = EspeakLibrary::Open(espeakLibrary_);
        pthread_setname_np(pthread_self(), kSpeechThread);
        if (espeak_ == nullptr) {
            std::fprintf(stderr, "DGLEngine: %s with its voices is not there: words are silent\n",
                         espeakLibrary_.c_str());
        } else {
            espeak_->espeak_SetSynthCallback(TakeSamples);
        }
    }
    if (espeak_ == nullptr || text.empty() || !UseVoice(voice)) return nullptr;
    Samples samples;
    samples.stopping = &stopping_;
    espeak_->espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                          nullptr, &samples);
    const std::vector<int16_t>& pcm = samples.pcm;
    size_t first = 0;
    size_t end = pcm.size();
    while (first < end && std::abs(pcm[first]) < kSilence) ++first;
    while (end > first && std::abs(pcm[end - 1]) < kSilence) --end;
    if (first == end) return nullptr;
    return std::make_shared<const std::vector<uint8_t>>(
        WavFile(ForTheMixer(pcm.data() + first, end - first, espeak_->sampleRate)));
}

// The voice by its name: a language's own voice ("en-gb", "de"), not one that the language's
// properties alone would pick.
bool Speech::UseVoice(const std::string& voice) {
    if (voice == voice_) return true;
    if (missingVoices_.contains(voice)) return false;
    if (espeak_->espeak_SetVoiceByName(voice.c_str()) != EE_OK) {
        missingVoices_.insert(voice);
        std::fprintf(stderr, "DGLEngine: espeak-ng has no voice \"%s\": its words are silent\n",
                     voice.c_str());
        voice_.clear();
        return false;
    }
    voice_ = voice;
    return true;
}

void Speech::Shutdown() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
    std::lock_guard lock(mutex_);
    words_.clear();
    asked_.clear();
    waiting_.clear();
    wanted_.clear();
    stopping_ = false;
}

}  // namespace lexo
