#include "cli/tool_output.h"

#include <ostream>

namespace carloan {

bool write_output(std::ostream& out, std::ostream& err, std::string_view text) {
    out << text << std::flush;
    if (!out) {
        err << "carloan-quote: cannot write the output\n";
        return false;
    }
    return true;
}

}  // namespace carloan
