#include "app/uninst1.h"

#include "app/util/FileOps.h"
#include "base/Integer.h"
#include "multilang/MLang.h"
#include "toolkit/Description.h"
#include "toolkit/Errors.h"
#include "toolkit/Event.h"
#include "toolkit/StandardClasses.h"

namespace app {

const tk::ClassInfo& TForm1::StaticClass() {
  static const tk::MethodInfo methods[] = {
      tk::Method<&TForm1::Button1Click>("Button1Click"),
      tk::Method<&TForm1::Button2Click>("Button2Click"),
      tk::Method<&TForm1::FormShow>("FormShow"),
  };
  static const tk::ClassInfo info{"TForm1", &tk::TForm::StaticClass(), {}, nullptr, methods};
  return info;
}

TForm1::TForm1(tk::TComponent* owner, plat::Platform platform)
    : tk::TForm(owner), platform_(platform) {}

namespace {
template <class T>
T* Bind(const tk::TComponent& form, const char* name) {
  auto* c = tk::DynamicCast<T>(form.FindOwnedComponent(name));
  if (c == nullptr) throw tk::EReadError(std::string("The window has no ") + name);
  return c;
}
}  // namespace

void TForm1::BindControls() {
  Label1 = Bind<tk::TLabel>(*this, "Label1");
  Label2 = Bind<tk::TLabel>(*this, "Label2");
  Image2 = Bind<tk::TImage>(*this, "Image2");
  Label3 = Bind<tk::TLabel>(*this, "Label3");
  Button1 = Bind<tk::TButton>(*this, "Button1");
  Button2 = Bind<tk::TButton>(*this, "Button2");
  StatusBar1 = Bind<tk::TStatusBar>(*this, "StatusBar1");
  Animate1 = Bind<tk::TAnimate>(*this, "Animate1");
  ListBox1 = Bind<tk::TListBox>(*this, "ListBox1");
  MultiLang1 = Bind<ml::TMultiLang>(*this, "MultiLang1");
}

void TForm1::FormShow(tk::TObject*) {
  // An error from the temp directory ends the handler: texts and InstallDir stay as they are.
  const std::string path = GetTempDir(platform_.fs, platform_.env) + "vodere.ini";
  const std::unique_ptr<plat::IniFile> ini = platform_.ini.Open(path);
  // The language number's low 8 bits; 0 when the key is missing or not an integer.
  const std::int32_t lang = base::StrToIntDef(ini->ReadString("TRElvia", "Lang", ""), 0);
  MultiLang1->SwitchLanguage(static_cast<std::uint8_t>(lang & 0xFF));
  InstallDir = ini->ReadString("trelvia", "directory", "");
}

void TForm1::Button2Click(tk::TObject*) { Close(); }

std::unique_ptr<TForm1> CreateForm1(plat::Platform platform) {
  RegisterWindowClasses();
  auto form = std::make_unique<TForm1>(nullptr, platform);
  tk::LoadFormDescription(*form, "TFORM1");
  form->BindControls();
  return form;
}

void RegisterWindowClasses() {
  tk::RegisterStandardClasses();
  ml::RegisterMultiLangClasses();
}

}  // namespace app
