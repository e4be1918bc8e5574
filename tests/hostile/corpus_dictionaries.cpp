#include "hostile_corpus.h"

namespace lexo::hostile {
namespace {

const std::string kAbout = "Hostile\r\nA dictionary made to break things.\r\n";

// UTF-16 little-endian with a byte-order mark, as Windows Notepad saves "Unicode" text.
Bytes Utf16(const std::u16string& text) {
    Bytes bytes{0xFF, 0xFE};
    for (char16_t c : text) PutU16(bytes, c);
    return bytes;
}

}  // namespace

void AddDictionaries(Corpus& corpus) {
    auto add = [&](const std::string& folder, const Bytes& names, const Bytes& names2) {
        corpus["dictionaries/" + folder + "/about.txt"] = FromText(kAbout);
        corpus["dictionaries/" + folder + "/names.txt"] = names;
        corpus["dictionaries/" + folder + "/names2.txt"] = names2;
    };
    const Bytes translations = FromText("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\n");

    add("binary-garbage", Garbage(400, 10, true), Garbage(400, 11, false));
    add("utf8-text", FromText("\xD0\xBA\xD0\xBE\xD1\x82\r\n\xD1\x91\xD0\xB6\r\n"), translations);
    add("utf16-with-bom", Utf16(u"cat\r\ndog\r\n"), Utf16(u"\u043A\u043E\u0442\r\n"));
    add("nul-bytes", FromText(std::string("cat\r\ndog\0bird\r\nfish\r\n", 21)), translations);
    add("only-line-ends", FromText("\r\n\n\r\r\n"), translations);
    add("cr-only", FromText("cat\rdog\rbird\r"), FromText("one\rtwo\rthree\r"));
    add("mixed-line-ends", FromText("cat\r\ndog\nbird\rfish"), translations);
    add("missing-names2-lines", FromText("cat\r\ndog\r\nbird\r\nfish\r\n"), FromText("one\r\n"));
    add("empty-names2", FromText("cat\r\ndog\r\n"), {});
    add("empty-names", {}, translations);
    add("blank-lines-only", FromText("\r\n\r\n\r\n"), translations);
    add("spaces-only", FromText("   \r\n \r\n"), translations);
}

}  // namespace lexo::hostile
