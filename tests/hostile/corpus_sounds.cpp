#include <cmath>

#include "hostile_corpus.h"

namespace lexo::hostile {
namespace {

struct WavShape {
    uint32_t format = 1;  // PCM
    uint32_t channels = 1;
    uint32_t rate = 22050;
    uint32_t bits = 16;
    uint32_t fmtSize = 16;
    uint32_t samples = 2205;  // 0.1 s
    uint32_t dataSize = 0;    // 0: as many bytes as the samples take
};

// A tone: sound that is clearly heard, so a sample that plays can be told from silence.
Bytes Wav(const WavShape& shape) {
    Bytes data;
    for (uint32_t i = 0; i < shape.samples * shape.channels; ++i) {
        const auto level = static_cast<int16_t>(8000 * std::sin(i * 0.25));
        PutU16(data, static_cast<uint16_t>(level));
    }
    Bytes file = FromText("RIFF");
    PutU32(file, static_cast<uint32_t>(4 + 8 + shape.fmtSize + 8 + data.size()));
    for (uint8_t c : FromText("WAVEfmt ")) file.push_back(c);
    PutU32(file, shape.fmtSize);
    PutU16(file, shape.format);
    PutU16(file, shape.channels);
    PutU32(file, shape.rate);
    PutU32(file, shape.rate * shape.channels * shape.bits / 8);
    PutU16(file, shape.channels * shape.bits / 8);
    PutU16(file, shape.bits);
    for (uint8_t c : FromText("data")) file.push_back(c);
    PutU32(file, shape.dataSize != 0 ? shape.dataSize : static_cast<uint32_t>(data.size()));
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

// Offsets of the WAV fields the broken files change.
constexpr size_t kRiffSize = 4;
constexpr size_t kFmtSize = 16;

Bytes With32(Bytes bytes, size_t at, uint32_t value) {
    SetU32(bytes, at, value);
    return bytes;
}

}  // namespace

void AddSounds(Corpus& corpus, const Bytes& validMp3) {
    auto wav = [&](const std::string& name, Bytes bytes) {
        corpus["wav/" + name] = std::move(bytes);
    };
    auto mp3 = [&](const std::string& name, Bytes bytes) {
        corpus["mp3/" + name] = std::move(bytes);
    };
    const Bytes good = Wav({});

    wav("valid.wav", good);
    wav("empty.wav", {});
    wav("riff-only.wav", Truncated(good, 12));
    wav("truncated-fmt.wav", Truncated(good, 30));
    wav("truncated-data.wav", Truncated(good, 44 + 100));
    wav("no-samples.wav", Wav({.samples = 0}));
    wav("data-size-huge.wav", Wav({.dataSize = 0xFFFFFFF0}));
    wav("riff-size-huge.wav", With32(good, kRiffSize, 0xFFFFFFFF));
    wav("fmt-size-huge.wav", With32(good, kFmtSize, 0x7FFFFFFF));
    wav("fmt-size-zero.wav", With32(good, kFmtSize, 0));
    wav("format-mp3.wav", Wav({.format = 0x55}));
    wav("format-unknown.wav", Wav({.format = 0x1234}));
    wav("channels-zero.wav", Wav({.channels = 0}));
    wav("channels-255.wav", Wav({.channels = 255, .samples = 4}));
    wav("rate-zero.wav", Wav({.rate = 0}));
    wav("rate-huge.wav", Wav({.rate = 0xFFFFFFFF}));
    wav("bits-7.wav", Wav({.bits = 7}));
    wav("bits-64.wav", Wav({.bits = 64}));
    wav("garbage.wav", Garbage(2000, 4, false));
    Bytes riffGarbage = Garbage(2000, 5, false);
    std::copy(good.begin(), good.begin() + 12, riffGarbage.begin());
    wav("riff-header-then-garbage.wav", riffGarbage);

    mp3("empty.mp3", {});
    mp3("truncated.mp3", Truncated(validMp3, validMp3.size() / 3));
    mp3("header-only.mp3", Truncated(validMp3, 4));
    mp3("garbage.mp3", Garbage(4096, 6, false));
    Bytes syncGarbage = Garbage(4096, 7, false);
    syncGarbage[0] = 0xFF;
    syncGarbage[1] = 0xFB;
    mp3("frame-sync-then-garbage.mp3", syncGarbage);
    Bytes id3 = FromText("ID3");
    for (uint8_t b : {4, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F}) id3.push_back(b);
    mp3("id3-tag-claiming-256mb.mp3", id3);
    mp3("wav-named-mp3.mp3", good);
}

}  // namespace lexo::hostile
