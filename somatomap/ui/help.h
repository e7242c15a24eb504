#pragma once

namespace host {
class Form;
}

namespace somatomap {

// The tooltips of the window's controls, and Help > "About this model".
void addHelp(host::Form &form);

} // namespace somatomap
