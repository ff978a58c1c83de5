#pragma once
// The standard wording of the letter lines printed around every estimate (標準の値).

#include "storage/branch_settings.h"

#include <array>
#include <string>

namespace carloan {

// Opening lines 1 and 2, then note lines 1 to 3, as code page 932 bytes.
const std::array<std::string, 5>& standard_letter_lines();

// Puts the standard wording into the five letter-line slots; branch name, telephone and staff
// name have no standard and keep what they hold.
void fill_standard_letter_lines(branch_settings& settings);

}  // namespace carloan
