#include "cli/main_platform.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace carloan {

// The same bytes on every platform: the CSV carries its own CR LF, which text mode would double
// into CR CR LF.
void use_binary_standard_output() {
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace carloan
