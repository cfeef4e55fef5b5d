// Comparison keys for names that Windows matches without regard to case (file names, variable,
// section and key names). Upper-cases ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic, which
// covers the product's languages; other letters compare as they are.
#pragma once

#include <string>
#include <string_view>

namespace plat {

char32_t UpperCase(char32_t cp);
std::u32string FoldCase(std::u32string_view text);
std::string FoldCase(std::string_view utf8);
bool SameName(std::string_view a, std::string_view b);

}  // namespace plat
