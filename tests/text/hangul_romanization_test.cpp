#include "text/hangul_romanization.h"

#include <gtest/gtest.h>

namespace lexo {
namespace {

// The examples the published rules of the Revised Romanization give for each sound change.
TEST(RevisedRomanization, WritesThePublishedExamples) {
    const struct {
        const char16_t* hangul;
        const char* latin;
    } kCases[] = {
        {u"백암", "baegam"},    {u"벚꽃", "beotkkot"},        {u"설악", "seorak"},
        {u"울릉", "ulleung"},   {u"대관령", "daegwallyeong"}, {u"백마", "baengma"},
        {u"종로", "jongno"},    {u"왕십리", "wangsimni"},     {u"별내", "byeollae"},
        {u"해돋이", "haedoji"}, {u"굳히다", "guchida"},       {u"좋고", "joko"},
        {u"낳지", "nachi"},     {u"좋아요", "joayo"},         {u"읽어", "ilgeo"},
        {u"A 물!", "mul"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(RevisedRomanization(c.hangul), c.latin);
    }
}

}  // namespace
}  // namespace lexo
