#pragma once

#include <string>
#include <string_view>

namespace lexo::dict {

// The text of an HTML field of an Anki note: tags go, line breaks and the starts and ends of
// blocks (<br>, <div>, </div>, <p>, </p>, </li>) become line ends, and character references
// (&nbsp;, &amp;, &#233;, &#xE9; …) become their characters. An unknown reference stays as it is
// written. Comments and what <script> and <style> hold go with their tags.
std::string ReduceHtml(std::string_view html);

// Text made safe inside an HTML element or a quoted attribute: & < > " ' as references.
std::string EscapeHtml(std::string_view text);

}  // namespace lexo::dict
