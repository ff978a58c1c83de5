#include "ui/input_method_platform.h"

namespace carloan {

// The desktop's input method framework keeps its own state; nothing is switched here.
void set_native_input_method(const std::function<void*()>&, bool) {}

}  // namespace carloan
