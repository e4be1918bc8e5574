#pragma once

#include <functional>
#include <string>

namespace lexo {

// Every message box of the game goes through ShowMessageBox. It always writes one line,
// "caption: text", to standard error (so a player can paste it into a bug report), then hands
// the box to the installed presenter: the Qt windows install a modal critical box, tests
// install a recorder. Texts are CP1251.
using MessageBoxPresenter =
    std::function<void(const std::string& caption, const std::string& text)>;

// `detail`, when given, is added to the standard-error line only, e.g. the file an error is
// about.
void ShowMessageBox(const std::string& caption, const std::string& text,
                    const std::string& detail = std::string());

// Installs a presenter and returns the previous one; an empty presenter means stderr only.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace lexo
