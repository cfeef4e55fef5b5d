#include <set>
#include <string>

#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using PropertiesTest = HeadlessApp;

// The names that the localization component looks up, and which of them each class publishes.
const char* const kLookedUp[] = {"Caption", "Font",   "Name",     "CharSet", "Left",
                                 "Top",     "Width",  "Height",   "Action",  "EditLabel",
                                 "ReadOnly", "Text",  "Lines",    "Hint"};

std::set<std::string> Published(const TObject& o) {
  std::set<std::string> out;
  for (const char* name : kLookedUp) {
    if (HasProperty(o, name)) out.insert(name);
  }
  return out;
}

TEST_F(PropertiesTest, WindowClassesPublishExactlyTheirSets) {
  TForm form(nullptr);
  using S = std::set<std::string>;
  const S base{"Name", "Left", "Top", "Width", "Height", "Hint"};
  auto with = [&](std::initializer_list<const char*> extra) {
    S s = base;
    for (const char* e : extra) s.insert(e);
    return s;
  };
  EXPECT_EQ(Published(form), with({"Action", "Caption", "Font"}));
  EXPECT_EQ(Published(TLabel(nullptr)), with({"Caption", "Font"}));
  EXPECT_EQ(Published(TButton(nullptr)), with({"Action", "Caption", "Font"}));
  EXPECT_EQ(Published(TStatusBar(nullptr)), with({"Action", "Font"}));
  EXPECT_EQ(Published(TListBox(nullptr)), with({"Font"}));
  EXPECT_EQ(Published(TImage(nullptr)), base);
  EXPECT_EQ(Published(TAnimate(nullptr)), base);
  EXPECT_TRUE(HasProperty(form.Font(), "Name"));
  EXPECT_TRUE(HasProperty(form.Font(), "CharSet"));
}

TEST_F(PropertiesTest, LookupIgnoresAsciiCase) {
  TLabel label(nullptr);
  EXPECT_TRUE(HasProperty(label, "cAPTION"));
  SetStrProp(label, "CAPTION", "Hallo");
  EXPECT_EQ(label.Caption(), "Hallo");
  EXPECT_EQ(GetStrProp(label, "caption"), "Hallo");
}

TEST_F(PropertiesTest, MissingPropertiesAreAnswersNotErrors) {
  TLabel label(nullptr);
  EXPECT_FALSE(HasProperty(label, "Text"));
  EXPECT_EQ(GetStrProp(label, "Text"), "");
  EXPECT_EQ(GetOrdProp(label, "ReadOnly"), 0);
  EXPECT_NO_THROW(SetStrProp(label, "Text", "x"));
  EXPECT_NO_THROW(SetOrdProp(label, "Nothing", 3));
  EXPECT_EQ(GetObjectProp(label, "Nothing"), nullptr);
}

TEST_F(PropertiesTest, OrdinalsReadAndWriteSigned32Bit) {
  TButton button(nullptr);
  SetOrdProp(button, "Left", -48);
  SetOrdProp(button, "Width", 75);
  EXPECT_EQ(button.Left(), -48);
  EXPECT_EQ(GetOrdProp(button, "width"), 75);
}

TEST_F(PropertiesTest, ObjectReferencesReadAsZeroWhenUnset) {
  TButton button(nullptr);
  EXPECT_EQ(GetOrdProp(button, "Action"), 0);
  TLabel action(nullptr);
  button.SetAction(&action);
  EXPECT_NE(GetOrdProp(button, "Action"), 0);
}

TEST_F(PropertiesTest, FontReachedThroughTheWindowsFontProperty) {
  TForm form(nullptr);
  TObject* font = GetObjectProp(form, "Font");
  ASSERT_NE(font, nullptr);
  SetStrProp(*font, "Name", "Tahoma");
  SetOrdProp(*font, "CharSet", 238);
  EXPECT_EQ(form.Font().Name(), "Tahoma");
  EXPECT_EQ(form.Font().CharSet(), 238);
}

TEST_F(PropertiesTest, DeclarationOrderRunsFromBaseToDerived) {
  std::vector<std::string> names;
  TLabel::StaticClass().ForEachProperty([&](const PropInfo& p) { names.emplace_back(p.name); });
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[0], "Name");
  EXPECT_EQ(names[1], "Left");
  EXPECT_EQ(names.back(), "Transparent");
}

TEST_F(PropertiesTest, FormSizeIsClientSizePlusFrame) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(375);
  form.SetClientHeight(231);
  const TRect frame = backend.FrameInsets(bsSingle);
  EXPECT_EQ(form.Width(), 375 + frame.left + frame.right);
  EXPECT_EQ(form.Height(), 231 + frame.top + frame.bottom);
  form.SetWidth(form.Width() + 10);
  EXPECT_EQ(form.ClientWidth(), 385);
}

}  // namespace
