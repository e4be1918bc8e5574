#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The hostile content corpus: small broken (and a few valid) content files of every kind the
// game reads, by their path under tests/fixtures/hostile. make_hostile_corpus writes them there;
// the tests check the folder still holds exactly these bytes.
namespace lexo::hostile {

using Bytes = std::vector<uint8_t>;
using Corpus = std::map<std::string, Bytes>;

// validMp3: a short valid MP3 file to damage.
Corpus MakeCorpus(const Bytes& validMp3);

void AddBitmaps(Corpus& corpus);
void AddFonts(Corpus& corpus);
void AddSounds(Corpus& corpus, const Bytes& validMp3);
void AddCatalogueFiles(Corpus& corpus);
void AddDictionaries(Corpus& corpus);

// Little-endian fields.
void PutU16(Bytes& out, uint32_t value);
void PutU32(Bytes& out, uint32_t value);
void SetU16(Bytes& bytes, size_t at, uint32_t value);
void SetU32(Bytes& bytes, size_t at, uint32_t value);

Bytes FromText(std::string_view text);
Bytes Truncated(Bytes bytes, size_t size);
// Bytes that look like nothing: a fixed pseudo-random sequence, never a 0 byte when noNul.
Bytes Garbage(size_t size, uint32_t seed, bool noNul);

// A Windows bitmap with the given header fields; the pixel rows are made by `value`, one
// value per pixel of `bits` bits, each row padded to 4 bytes as stored.
struct BitmapShape {
    uint32_t headerSize = 40;  // 12 (OS/2) or 40
    int32_t width = 4;
    int32_t height = 3;
    uint16_t planes = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> masks;    // red, green, blue, after a 40-byte header
    std::vector<uint32_t> palette;  // 0xRRGGBB
    std::function<uint32_t(int x, int y)> value;
};
Bytes Bitmap(const BitmapShape& shape);

// A valid .dft font of a small atlas whose printable glyphs show a box of full coverage.
Bytes ValidFont(bool outline);

}  // namespace lexo::hostile
