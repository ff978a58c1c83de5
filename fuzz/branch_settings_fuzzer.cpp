// car.ini of any bytes: loaded over the settings, shown in the settings dialog and printed on the
// estimate.

#include "file_input.h"
#include "print/estimate_page.h"
#include "storage/branch_settings_file.h"
#include "text/cp932.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace carloan;
    branch_settings settings;
    std::memset(&settings, 0x5A, sizeof settings);
    load_branch_settings(settings, fuzzing::file_holding(data, size));
    for (const auto slot :
         {std::span<const char>(settings.branch_name), std::span<const char>(settings.telephone),
          std::span<const char>(settings.staff_name),
          std::span<const char>(settings.opening_line_1),
          std::span<const char>(settings.note_line_3)}) {
        (void)cp932_to_utf16(read_slot(slot));
    }
    quote_record record{};
    record.show_rate = 1;
    for (const page_string& text : estimate_page(record, settings, 1, {})) {
        (void)cp932_to_utf16(text.text);
    }
    return 0;
}
