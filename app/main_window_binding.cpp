#include "main_window_binding.h"

#include "forms/form.h"

namespace orv {

MainWindowHandlers bindMainWindow(Form*& form) {
  (void)form;
  MainWindowHandlers h;
  return h;
}

}  // namespace orv
