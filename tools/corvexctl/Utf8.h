#pragma once

#include <string>

// UTF-16 to UTF-8 for printing; a lone surrogate becomes U+FFFD so output stays valid.
std::string ToUtf8(const std::u16string& text);
std::u16string FromUtf8(const std::string& text);
