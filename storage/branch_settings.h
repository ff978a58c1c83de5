#pragma once
// The branch settings record: the branch's identity and letter lines, and the whole of "car.ini".

#include <cstddef>

namespace carloan {

struct branch_settings {
    char branch_name[31];
    char telephone[16];
    char staff_name[19];
    char opening_line_1[85];
    char opening_line_2[85];
    char note_line_1[85];
    char note_line_2[85];
    char note_line_3[85];
};

static_assert(offsetof(branch_settings, branch_name) == 0);
static_assert(offsetof(branch_settings, telephone) == 31);
static_assert(offsetof(branch_settings, staff_name) == 47);
static_assert(offsetof(branch_settings, opening_line_1) == 66);
static_assert(offsetof(branch_settings, opening_line_2) == 151);
static_assert(offsetof(branch_settings, note_line_1) == 236);
static_assert(offsetof(branch_settings, note_line_2) == 321);
static_assert(offsetof(branch_settings, note_line_3) == 406);
static_assert(sizeof(branch_settings) == 491);

}  // namespace carloan
