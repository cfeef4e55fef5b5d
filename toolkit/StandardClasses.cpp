#include "toolkit/StandardClasses.h"

#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"

namespace tk {

void RegisterStandardClasses() {
  for (const ClassInfo* info :
       {&TLabel::StaticClass(), &TButton::StaticClass(), &TListBox::StaticClass(),
        &TStatusBar::StaticClass(), &TAnimate::StaticClass(), &TImage::StaticClass(),
        &TForm::StaticClass()}) {
    RegisterClass(*info);
  }
}

}  // namespace tk
