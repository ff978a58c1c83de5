#include "cli/main_platform.h"

namespace carloan {

// Standard output never translates line ends here.
void use_binary_standard_output() {}

}  // namespace carloan
