#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "espeak_library.h"
#include "sound.h"

namespace lexo {

// Words spoken with espeak-ng. Synthesis runs in a thread of the engine's own, so that a word
// never holds up a frame: the game asks for its words ahead of need (Prepare), and Speak plays
// one at once when it is ready, or at the first frame after it is. The synthesised words are
// kept as WAV files in memory, the last few dozen asked for.
class Speech {
  public:
    explicit Speech(std::string espeakLibrary = EspeakLibrary::kSoname);
    ~Speech();
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    // Synthesises the text with the voice of that name, in the background.
    void Prepare(const char* voice, const char* utf8);
    // Cuts the speech playing and says the text as soon as it is synthesised.
    void Speak(Sound& sound, const char* voice, const char* utf8);
    // Plays the text Speak asked for once it is synthesised; the engine calls it every frame.
    void PlayWhenReady(Sound& sound);
    // Stops the thread and forgets every word.
    void Shutdown();

  private:
    using Wav = std::shared_ptr<const std::vector<uint8_t>>;
    struct Word {
        bool synthesised = false;
        Wav wav;  // empty: nothing to say (no espeak-ng, no such voice)
    };

    // Adds the text to the words waiting, first in line when urgent. Under mutex_.
    std::string Ask(const char* voice, const char* utf8, bool urgent);
    void Work();
    Wav Synthesise(const std::string& voice, const std::string& text);
    bool UseVoice(const std::string& voice);

    const std::string espeakLibrary_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<std::string, Word> words_;  // by voice, "\n", text
    std::deque<std::string> asked_;      // keys of words_, oldest first
    std::deque<std::string> waiting_;    // keys to synthesise, next first
    std::string wanted_;                 // the key Speak waits for, "" for none
    std::string working_;                // the key being synthesised, "" for none
    std::atomic<bool> stopping_ = false;
    std::thread worker_;

    // The thread's own.
    std::shared_ptr<const EspeakLibrary> espeak_;
    bool espeakTried_ = false;
    std::string voice_;
    std::set<std::string> missingVoices_;
};

}  // namespace lexo
