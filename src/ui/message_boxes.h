#pragma once

namespace lexo {

// Shows every message box of the game as a modal critical box with an OK button.
void InstallQtMessageBoxes();

}  // namespace lexo
