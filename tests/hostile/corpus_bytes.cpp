#include "hostile_corpus.h"

namespace lexo::hostile {

void PutU16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(Bytes& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void SetU16(Bytes& bytes, size_t at, uint32_t value) {
    bytes.at(at) = static_cast<uint8_t>(value);
    bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

void SetU32(Bytes& bytes, size_t at, uint32_t value) {
    SetU16(bytes, at, value & 0xFFFF);
    SetU16(bytes, at + 2, value >> 16);
}

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Truncated(Bytes bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes Garbage(size_t size, uint32_t seed, bool noNul) {
    Bytes bytes;
    uint32_t state = seed * 2654435761u + 1;
    while (bytes.size() < size) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const auto byte = static_cast<uint8_t>(state >> 11);
        if (noNul && byte == 0) continue;
        bytes.push_back(byte);
    }
    return bytes;
}

Corpus MakeCorpus(const Bytes& validMp3) {
    Corpus corpus;
    AddBitmaps(corpus);
    AddFonts(corpus);
    AddSounds(corpus, validMp3);
    AddCatalogueFiles(corpus);
    AddDictionaries(corpus);
    return corpus;
}

}  // namespace lexo::hostile
