// The pseudo-language workflow on the example window: mltool pseudo adds a language made of the
// German texts, lengthened, and textfit names exactly the texts of that language that their
// controls cut, while German, English and Polish fit at every resolution.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/win32/ScratchDir.h"
#include "tests/toolkit/win32/Win32App.h"
#include "tools/mltool/Commands.h"
#include "tools/mltool/Files.h"
#include "tools/mltool/Pseudo.h"
#include "tools/mltool/WindowDescription.h"
#include "tools/textfit/Command.h"
#include "tools/textfit/TextFit.h"

extern const char kSignupForm[];

namespace {

using textfit::TextFit;

constexpr int kPseudo = 3;  // the language pseudo adds to the example's three

using Key = std::tuple<std::string, std::string, int>;  // control, item, resolution

// The measured texts of one language, by where they are drawn.
std::map<Key, TextFit> OfLanguage(const std::vector<TextFit>& measured, int language) {
  std::map<Key, TextFit> texts;
  for (const TextFit& fit : measured) {
    if (fit.language == language) texts.emplace(Key{fit.control, fit.item, fit.dpi}, fit);
  }
  return texts;
}

std::string Line(const TextFit& fit) {
  std::ostringstream line;
  line << fit;
  return line.str();
}

class SignupPseudoTest : public Win32App {
 protected:
  SignupPseudoTest() {
    mltool::WriteWholeFile(original, kSignupForm);
    mltool::Output output;
    EXPECT_EQ(mltool::RunCommand({"pseudo", original, "--out", pseudo}, output), 0) << output.err;
  }
  // The pseudo window as a program shows it, measured by the library.
  std::vector<TextFit> MeasurePseudo() const {
    const mltool::LoadedWindow window(*mltool::ReadWholeFile(pseudo), tk::ReadFor::kRunning);
    window.Window().Show();
    return textfit::MeasureTexts(window.Window(), window.Localizer(), textfit::kCheckedDpis);
  }
  int RunTextFit(const std::string& form) {
    report = {};
    return textfit::RunCommand({form}, report);
  }

  testsupport::ScratchDir scratch;
  const std::string original = scratch.Path("signup.form");
  const std::string pseudo = scratch.Path("signup-pseudo.form");
  textfit::Output report;
};

TEST_F(SignupPseudoTest, EveryPseudoTextIsTheGermanOneLengthenedInItsPlace) {
  const std::vector<TextFit> measured = MeasurePseudo();
  for (const TextFit& fit : measured) {
    if (fit.language != kPseudo) {
      EXPECT_TRUE(fit.Fits()) << fit;
    }
  }
  const std::map<Key, TextFit> german = OfLanguage(measured, 0);
  const std::map<Key, TextFit> lengthened = OfLanguage(measured, kPseudo);
  ASSERT_EQ(lengthened.size(), german.size());
  int cut = 0;
  for (const auto& [key, de] : german) {
    const auto found = lengthened.find(key);
    ASSERT_NE(found, lengthened.end()) << "no pseudo-text for " << de;
    const TextFit& ps = found->second;
    EXPECT_EQ(ps.text, mltool::PseudoText(de.text)) << de;
    // Laid out as German, in the room German has.
    EXPECT_EQ(ps.width, de.width) << ps;
    EXPECT_EQ(ps.height, de.height) << ps;
    // At least the 40 % a longer translation may need, in pixels too.
    EXPECT_GE(ps.textWidth * 10, de.textWidth * 14) << ps << " from " << de;
    cut += ps.Fits() ? 0 : 1;
  }
  // The example was made to fit with little room to spare, not with 40 % everywhere.
  EXPECT_GT(cut, 0);
  EXPECT_LT(cut, static_cast<int>(german.size()));
}

TEST_F(SignupPseudoTest, TheToolNamesExactlyThePseudoTextsWiderThanTheirRoom) {
  EXPECT_EQ(RunTextFit(original), textfit::kAllFit) << report.out << report.err;

  const std::vector<TextFit> measured = MeasurePseudo();
  const std::map<Key, TextFit> german = OfLanguage(measured, 0);
  std::multiset<std::string> expected;
  for (const auto& [key, ps] : OfLanguage(measured, kPseudo)) {
    const TextFit& de = german.at(key);
    if (ps.textWidth > de.width || ps.textHeight > de.height) expected.insert(Line(ps));
  }
  ASSERT_FALSE(expected.empty());

  EXPECT_EQ(RunTextFit(pseudo), textfit::kSomeCut) << report.err;
  std::multiset<std::string> named;
  std::istringstream lines(report.out);
  for (std::string line; std::getline(lines, line);) named.insert(line);
  // The last line sums up.
  const std::string summary = pseudo + ": " + std::to_string(expected.size()) + " of " +
                              std::to_string(measured.size()) + " texts cut, in 4 languages at " +
                              "96, 120, 144, 192 dpi";
  EXPECT_EQ(named.erase(summary), 1u) << report.out;
  EXPECT_EQ(named, expected);
}

TEST_F(SignupPseudoTest, TheToolRefusesWhatItCannotCheck) {
  const std::vector<std::string> kRefused[] = {
      {},
      {original, pseudo},
      {original, "--dpi"},
      {original, "--dpi", "96,,120"},
      {original, "--dpi", "96,abc"},
      {original, "--dpi", "47"},
      {original, "--dpi", "481"},
      {original, "--width"},
      {original, "--component", "MultiLang2"},
      {scratch.Path("missing.form")},
  };
  for (const std::vector<std::string>& args : kRefused) {
    report = {};
    EXPECT_EQ(textfit::RunCommand(args, report), textfit::kUsage) << ::testing::PrintToString(args);
    EXPECT_EQ(report.out, "");
    EXPECT_NE(report.err, "");
  }
  report = {};
  EXPECT_EQ(textfit::RunCommand({pseudo, "--dpi", "192", "--component", "MultiLang1"}, report),
            textfit::kAllFit)
      << report.out;
  EXPECT_NE(report.out.find("in 4 languages at 192 dpi"), std::string::npos) << report.out;
}

}  // namespace
