#pragma once
// The full-width number characters a Japanese input method types where digits are meant: ０ to ９,
// "，", "．", "－", "＋" and the ideographic space. Every numeric reading folds them to ASCII by
// this one rule, whichever encoding the text arrives in.

#include <string>
#include <string_view>

namespace carloan {

// The ASCII form of a full-width number character; 0 for any other character.
constexpr char ascii_form(char32_t character) {
    if (character >= U'０' && character <= U'９') {
        return static_cast<char>('0' + (character - U'０'));
    }
    switch (character) {
        case U'，':
            return ',';
        case U'．':
            return '.';
        case U'－':
            return '-';
        case U'＋':
            return '+';
        case U'　':
            return ' ';
        default:
            return 0;
    }
}

// The same for a code page 932 double-byte character: ０ is 0x82 0x4F.
constexpr char cp932_ascii_form(unsigned char lead, unsigned char trail) {
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) {
        return static_cast<char>('0' + (trail - 0x4F));
    }
    if (lead != 0x81) {
        return 0;
    }
    switch (trail) {
        case 0x43:
            return ',';
        case 0x44:
            return '.';
        case 0x7C:
            return '-';
        case 0x7B:
            return '+';
        case 0x40:
            return ' ';
        default:
            return 0;
    }
}

// A UTF-8 text with its full-width number characters in their ASCII forms; every other byte
// unchanged.
std::string ascii_digits(std::string_view utf8);

}  // namespace carloan
