#pragma once

#include <QString>
#include <string>

#include "text/cp1251.h"

namespace lexo {

// Where the game's CP1251 messages (run-time errors) meet Qt widgets.
inline QString FromCp1251(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

// A text of the windows (a translated one) in the form the game logic keeps its text in.
inline std::string ToGameText(const QString& text) { return text.toStdString(); }

}  // namespace lexo
