// Binds the main window's events to the subsystems that handle them.
#pragma once
#include "ui/main_window.h"

namespace orv {

class Form;

// The handlers for the main window; they reach its controls through the form
// once it exists.
MainWindowHandlers bindMainWindow(Form*& form);

}  // namespace orv
