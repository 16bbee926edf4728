#pragma once
// The seam through which the programs run their own modal dialogs (the editor's dialogs, pickers):
// the program runs them with exec(), tests install a runner that drives the dialog and returns.
#include <functional>

class QDialog;

namespace platform {

using ModalRunner = std::function<int(QDialog&)>;

// Runs dialog modally through the installed runner; returns its result code.
int runModal(QDialog& dialog);
// Installs runner (empty: exec() again). Returns the previous one.
ModalRunner setModalRunner(ModalRunner runner);

} // namespace platform
