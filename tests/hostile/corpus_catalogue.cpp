#include "hostile_corpus.h"

namespace lexo::hostile {
namespace {

// A monster kind that reads like the shipped beetle, with one line replaced.
std::string Mon(int line, const std::string& replacement) {
    std::string lines[12] = {"beetle_walk.bmp", "64", "48", "6", "1", "6",
                             "beetle_die.bmp",  "64", "48", "3", "2", "5"};
    lines[line - 1] = replacement;
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

void AddMonsterKinds(Corpus& corpus) {
    auto add = [&](const std::string& name, const std::string& text) {
        corpus["mon/" + name + ".mon"] = FromText(text);
    };
    add("empty", "");
    add("short", "beetle_walk.bmp\r\n64\r\n48\r\n");
    add("long", Mon(12, "5") + "more\r\nlines\r\nthat are\r\nnever read\r\n64\r\n");
    add("non-numeric", Mon(3, "tall"));
    add("number-too-big", Mon(2, "2147483648"));
    add("number-huge", Mon(8, "99999999999999999999"));
    add("largest-numbers",
        "beetle_walk.bmp\r\n2147483647\r\n2147483647\r\n2147483647\r\n"
        "2147483647\r\n2147483647\r\nbeetle_die.bmp\r\n-2147483648\r\n"
        "-2147483648\r\n-2147483648\r\n-2147483648\r\n-2147483648\r\n");
    add("negative-sizes",
        "beetle_walk.bmp\r\n-64\r\n-48\r\n-6\r\n-1\r\n-6\r\n"
        "beetle_die.bmp\r\n-64\r\n-48\r\n-3\r\n-2\r\n-5\r\n");
    add("zero-sizes",
        "beetle_walk.bmp\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
        "beetle_die.bmp\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    add("hex",
        "beetle_walk.bmp\r\n$40\r\n0x30\r\n0X6\r\n$1\r\n-$0006\r\n"
        "beetle_die.bmp\r\n$40\r\n$30\r\n$3\r\n$2\r\n$5\r\n");
    add("hex-without-digits", Mon(4, "$"));
    add("blank-number-line", Mon(5, ""));
    add("trailing-blank", Mon(2, "64 "));
    add("leading-blanks", Mon(2, "   64"));
    add("tab", Mon(2, "\t64"));
    add("sign-only", Mon(6, "-"));
    add("nul-in-number", Mon(2, std::string("6\0"
                                            "4",
                                            3)));
    add("lone-cr-line-ends", "beetle_walk.bmp\r64\r48\r6\r1\r6\rbeetle_die.bmp\r64\r48\r3\r2\r5\r");
    add("lf-line-ends", "beetle_walk.bmp\n64\n48\n6\n1\n6\nbeetle_die.bmp\n64\n48\n3\n2\n5");
    add("image-is-folder", Mon(1, ""));
    add("image-is-dot", Mon(7, "."));
    add("image-missing", Mon(1, "nothing-here.bmp"));
    add("image-in-parent-path", Mon(1, "../data/beetle_walk.bmp"));
    add("image-escapes-the-folder", Mon(7, "../../../../../../../../etc/passwd"));
    add("image-not-a-bitmap", Mon(1, "beetle.mon"));
    corpus["mon/garbage.mon"] = Garbage(600, 8, false);
}

void AddCatalogues(Corpus& corpus) {
    auto add = [&](const std::string& name, const std::string& text) {
        corpus["monsters/" + name + ".txt"] = FromText(text);
    };
    add("empty", "");
    add("one-kind", "troll\r\n");
    add("only-line-ends", "\r\n\r\n");
    add("blank-line", "troll\r\n\r\nbeetle\r\n");
    add("no-final-line-end", "troll\r\nbeetle");
    add("lone-cr", "troll\rbeetle\r\n");
    add("trailing-blank", "troll\r\nbeetle \r\n");
    add("slash-in-name", "troll\r\nnested/beetle\r\n");
    add("dot-dot", "troll\r\n..\r\n");
    add("parent-path", "troll\r\n../data/beetle\r\n");
    add("absolute-path", "troll\r\n/etc/passwd\r\n");
    add("very-long-name", "troll\r\n" + std::string(300, 'w') + "\r\n");
    add("longest-file-name", "troll\r\n" + std::string(251, 'w') + "\r\n");
    add("many-kinds", "troll\r\nbeetle\r\ntroll\r\nbeetle\r\ntroll\r\nbeetle\r\ntroll\r\n");
    corpus["monsters/garbage.txt"] = Garbage(300, 9, true);
}

}  // namespace

void AddCatalogueFiles(Corpus& corpus) {
    AddMonsterKinds(corpus);
    AddCatalogues(corpus);
}

}  // namespace lexo::hostile
