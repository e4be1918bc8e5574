#pragma once

#include <QString>
#include <string>

#include "text/cp1251.h"

namespace lexo {

// Where CP1251 game text meets Qt widgets.
inline QString FromCp1251(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}
inline std::string ToCp1251(const QString& text) { return Utf8ToCp1251(text.toStdString()); }

// A text of the windows (a translated one) in the form the game logic keeps its text in.
inline std::string ToGameText(const QString& text) { return ToCp1251(text); }

}  // namespace lexo
