#include "dict/report/confusions_section.h"

#include "dict/diagnostics/diagnostics.h"
#include "dict/read/html_text.h"
#include "dict/report/page_texts.h"
#include "history/confusions.h"

namespace lexo::dict {
namespace {

constexpr size_t kConfusionsShown = 10;

std::string Say(PageText text, const std::string& language) {
    return std::string(PageString(text, language));
}

}  // namespace

std::string ConfusionsSection(const std::vector<HistoryGame>& games, const std::string& language,
                              int level) {
    const std::string heading = "<h" + std::to_string(level) + ">" +
                                Say(PageText::Confusions, language) + "</h" +
                                std::to_string(level) + ">\n";
    const std::vector<Confusion> confusions = FrequentConfusions(games, kConfusionsShown);
    if (confusions.empty())
        return heading + "<p>" + Say(PageText::NoConfusion, language) + "</p>\n";
    std::string table = heading + "<table>\n<tr>";
    for (const PageText column :
         {PageText::Typed, PageText::WhileWalking, PageText::Dictionary, PageText::TimesConfused})
        table += "<th>" + Say(column, language) + "</th>";
    table += "</tr>\n";
    for (const Confusion& confusion : confusions) {
        table += "<tr><td><i>" + EscapeHtml(Printable(confusion.typed)) + "</i></td><td><i>" +
                 EscapeHtml(Printable(confusion.walking)) + "</i></td><td>" +
                 EscapeHtml(Printable(confusion.dictionary)) + "</td><td class=\"n\">" +
                 std::to_string(confusion.times) + "</td></tr>\n";
    }
    return table + "</table>\n";
}

}  // namespace lexo::dict
