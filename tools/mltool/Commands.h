// mltool: translation files and string libraries from stored window descriptions.
//
//   extract <window.form> <out.csv> [--new] [--component <name>]
//       The window's texts as a translation file: one row per entry of the localization
//       component's table, one column per language. --new adds the components with texts that
//       the table has no entry for yet.
//   merge <window.form> <in.csv> [--out <file>] [--component <name>]
//       The file's rows become the component's table; the description is written back (or to
//       --out) in the toolkit's canonical form. Nothing is written when the file has an error.
//   stringlib <window.form>... <language> <out.rc> [--component <name>]
//       One language of the windows' tables as the resource script of a string library.
//   po-export <window.form> <dir> [--languages <code>,...] [--component <name>]
//       The table as gettext PO files in an existing directory: the template <class>.pot and one
//       <code>.po (or <number>.po) per language but the default one.
//   po-import <window.form> <in.po> [--language <n>] [--out <file>] [--component <name>]
//       The file's translations become its language's texts; untranslated and fuzzy messages
//       leave them empty. Nothing is written when the file has an error. Native build only.
//   pseudo <window.form> [<language>] [--out <file>] [--component <name>]
//       A language of pseudo-texts made of the default language's (Pseudo.h): the next language,
//       or the one named, made again.
//
// Exit code 0 on success, 1 on an error (reported with the file and line at fault), 2 on a usage
// error.
#pragma once

#include <string>
#include <vector>

namespace mltool {

struct Output {
  std::string out;
  std::string err;
};

// Runs one command; `args` come without the program's name. Needs the application's backend set
// (the tool runs on the headless one).
int RunCommand(const std::vector<std::string>& args, Output& output);

}  // namespace mltool
