#pragma once
// The folder that holds the quote files: how a typed name becomes a file name, which names are
// refused, and which files the open dialog lists. Names are code page 932 bytes, as the record
// and the title hold them; every check on characters is made on the Unicode form, since the
// second byte of a double-byte character can be 0x5C.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace carloan {

inline constexpr std::string_view quote_extension = ".car";

// Adds ".car" unless the name holds it anywhere, byte for byte and with case:
// "abc" -> "abc.car", "x.card" -> "x.card", "A.CAR" -> "A.CAR.car".
std::string with_quote_extension(std::string_view name);

// True when the name, put after the folder, would name something outside it: a separator of
// either platform, or "." or "..".
bool leaves_quote_folder(std::string_view name);

// True when the text holds a control character, NUL included. Checked on a name as typed: the
// bounded read that makes it a name ends at a NUL and would quietly take a shorter name.
bool holds_control_character(std::u16string_view text);

// True when both Linux and Windows can create a file of exactly this name: no separator or
// character they forbid, no control character, no trailing dot or blank (Windows drops them),
// not a device name such as CON or com1.car.
bool is_portable_file_name(std::string_view name);

// The file of a quote name in the folder, in the platform's own file-name encoding.
std::filesystem::path quote_file_path(const std::filesystem::path& folder, std::string_view name);

// The names of the files in the folder that end in ".car" in any case, sorted without regard to
// case, regular files only (a link counts as what it names). A name code page 932 cannot hold,
// or one with a control character, is left out, since no field could show or take it.
// A missing or unreadable folder gives an empty list.
std::vector<std::string> list_quote_files(const std::filesystem::path& folder);

}  // namespace carloan
