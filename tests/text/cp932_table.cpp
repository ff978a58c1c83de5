// Writes the whole code page 932 mapping as this platform's conversion gives it: every single
// byte and every lead/trail pair decoded, every UTF-16 unit outside the surrogates encoded, and the
// case-folding key of every decoded character. Run on both platforms, the files are to be equal.

#include "storage/quote_folder_platform.h"
#include "text/cp932.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

void put_units(std::FILE* out, std::u16string_view text) {
    for (char16_t unit : text) {
        std::fprintf(out, " %04X", static_cast<unsigned>(unit));
    }
}

void put_bytes(std::FILE* out, std::string_view bytes) {
    for (char byte : bytes) {
        std::fprintf(out, " %02X", static_cast<unsigned char>(byte));
    }
}

void decode(std::FILE* out, std::string_view bytes) {
    const std::u16string text = carloan::cp932_to_utf16(bytes);
    std::fputs("D", out);
    put_bytes(out, bytes);
    std::fputs(" =", out);
    put_units(out, text);
    const std::u16string folded = carloan::quote_folder_platform::case_folded(text);
    if (folded != text) {
        std::fputs(" fold", out);
        put_units(out, folded);
    }
    std::fputs("\n", out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: cp932_table OUT.txt\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        return 1;
    }
    for (unsigned first = 0; first < 0x100; ++first) {
        const char lead = static_cast<char>(first);
        if (!carloan::is_lead_byte(static_cast<unsigned char>(first))) {
            decode(out, std::string_view(&lead, 1));
            continue;
        }
        for (unsigned second = 0x40; second <= 0xFC; ++second) {
            const char pair[2] = {lead, static_cast<char>(second)};
            decode(out, std::string_view(pair, 2));
        }
    }
    for (unsigned unit = 0; unit < 0x10000; ++unit) {
        if (unit >= 0xD800 && unit < 0xE000) {
            continue;
        }
        const char16_t text[1] = {static_cast<char16_t>(unit)};
        const std::optional<std::string> bytes = carloan::utf16_to_cp932({text, 1});
        std::fprintf(out, "E %04X =", unit);
        if (bytes) {
            put_bytes(out, *bytes);
        } else {
            std::fputs(" refused", out);
        }
        std::fputs("\n", out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
