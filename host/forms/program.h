#pragma once

class QApplication;

namespace host {

class Form;

// Runs the program: loads and shows its main form in the classic widget style, then either
// hands over to the event loop or, when the environment variable NEUROSIMS_SCRIPT names a
// script, runs the script (see automation.h) and returns its exit code. The program ends
// when no form remains loaded.
int exec(QApplication &app, Form &mainForm);

} // namespace host
