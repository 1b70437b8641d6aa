#pragma once
// How to use Torvi, line by line: what the Help window shows, torvi --how-to prints and the
// manual page carries.

#include <span>
#include <string>

namespace torvi::shell {

struct HelpLine {
    const char* text;
    bool heading = false;
};

std::span<const HelpLine> helpLines();
// The lines as plain text, each ending in a line break, a blank line before each heading.
std::string helpText();

}  // namespace torvi::shell
