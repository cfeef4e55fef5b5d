// Pseudo-translation: a language made of the default language's texts with accented letters,
// lengthened and bracketed ("Start" becomes "[Ŝţàŕţ~~~]"), so that a window switched to it shows
// which controls would cut a longer translation, and which texts the table does not translate.
#pragma once

#include <string>
#include <string_view>

namespace mltool {

// The accented form of an ASCII letter; the letter itself for any other character.
char32_t AccentedLetter(char32_t c);

// Each line of `text` (the table's lines end with CR LF) on its own: after its leading blanks, "["
// the line with its ASCII letters accented, one "~" and one more for every 2.5 characters of it,
// then "]"; so a line's text grows by more than 40 % (at most one character more). Line breaks,
// blanks before the text, empty lines and an empty text stay as they are. Printf and brace
// placeholders ("%s", "%1", "{0}") and the letter after an ampersand (the control's keyboard
// accelerator, "&Start") keep their letters: the program still fills the first and the user
// still presses the second.
std::string PseudoText(std::string_view text);

}  // namespace mltool
