#pragma once
// Code page 932 (Shift-JIS) texts: conversion at the program's edges and bounded slots.
// Every text inside the program is held as code page 932 bytes; Unicode appears only where a
// text meets a widget, a file name, the printer or the terminal.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace carloan {

// Converts to code page 932. Gives nothing when a character has no code page 932 form, so that
// the caller can refuse the text instead of storing '?'. A few look-alike characters that input
// methods produce (WAVE DASH, MINUS SIGN, ...) are taken as the code page 932 character they
// stand for.
std::optional<std::string> utf8_to_cp932(std::string_view utf8);
std::optional<std::string> utf16_to_cp932(std::u16string_view utf16);

// Bytes that are no code page 932 character (a file may hold anything) are left out.
std::string cp932_to_utf8(std::string_view cp932);
std::u16string cp932_to_utf16(std::string_view cp932);

// True for a byte that starts a double-byte character.
constexpr bool is_lead_byte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The longest prefix of at most `limit` bytes that does not end in the middle of a double-byte
// character; it also ends at an embedded zero byte, as the C string it becomes would.
std::string_view cp932_prefix(std::string_view text, std::size_t limit);

// Writes `text` into a fixed slot: cut to size - 1 bytes (never half a double-byte character),
// then the terminator. Bytes after the terminator keep what they held.
void write_slot(std::span<char> slot, std::string_view text);

// Reads a slot up to its terminator, or to its end when a foreign file left none.
std::string read_slot(std::span<const char> slot);

}  // namespace carloan
