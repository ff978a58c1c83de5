#pragma once
// Tells the clerk, in one message, which quotes of an earlier version stayed where that version
// kept them.

#include <QString>

#include <filesystem>
#include <vector>

class QWidget;

namespace carloan {

// The message naming the folder and each quote left there; empty when none was left.
QString quotes_left_message(const std::vector<std::filesystem::path>& left);

// Shows that message over `parent` when any quote was left; nothing otherwise.
void tell_quotes_left(QWidget* parent, const std::vector<std::filesystem::path>& left);

}  // namespace carloan
