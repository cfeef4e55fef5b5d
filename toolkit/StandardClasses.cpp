#include "toolkit/StandardClasses.h"

#include "toolkit/ComCtrls.h"
#include "toolkit/DB.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Grids.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Notebooks.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/TreeView.h"
#include "toolkit/ValEdit.h"

namespace tk {

void RegisterStandardClasses() {
  for (const ClassInfo* info :
       {// standard controls
        &TLabel::StaticClass(), &TButton::StaticClass(), &TCheckBox::StaticClass(),
        &TEdit::StaticClass(), &TMemo::StaticClass(), &TListBox::StaticClass(),
        &TComboBox::StaticClass(), &TGroupBox::StaticClass(),
        // extra controls
        &TImage::StaticClass(), &TPanel::StaticClass(), &TRadioGroup::StaticClass(),
        &TLabeledEdit::StaticClass(), &TBoundLabel::StaticClass(), &TNotebook::StaticClass(),
        &THeader::StaticClass(),
        // common controls
        &TStatusBar::StaticClass(), &TAnimate::StaticClass(), &TTabControl::StaticClass(),
        &THeaderControl::StaticClass(), &TComboBoxEx::StaticClass(), &TTreeView::StaticClass(),
        &TListView::StaticClass(),
        // grids, tabs, notebooks, files
        &TStringGrid::StaticClass(), &TValueListEditor::StaticClass(), &TTabSet::StaticClass(),
        &TTabbedNotebook::StaticClass(), &TFilterComboBox::StaticClass(),
        &TOpenDialog::StaticClass(), &TSaveDialog::StaticClass(),
        // data
        &TField::StaticClass(), &TDBListBox::StaticClass(), &TDBComboBox::StaticClass(),
        &TDBRadioGroup::StaticClass(), &TDBNavigator::StaticClass(), &TDBGrid::StaticClass(),
        // menus and windows
        &TMainMenu::StaticClass(), &TMenuItem::StaticClass(), &TForm::StaticClass()}) {
    RegisterClass(*info);
  }
}

}  // namespace tk
