#include "multilang/KindTable.h"

#include <unordered_map>

#include "multilang/KindSteps.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/DB.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Notebooks.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/TreeView.h"
#include "toolkit/ValEdit.h"

namespace ml {

namespace {

// The string list of a row's kind, by the list's name.
template <class T>
tk::TStrings& ItemsOf(tk::TComponent& c) {
  return static_cast<T&>(c).Items();
}
template <class T>
tk::TStrings& LinesOf(tk::TComponent& c) {
  return static_cast<T&>(c).Lines();
}
template <class T>
tk::TStrings& TitleCaptionsOf(tk::TComponent& c) {
  return static_cast<T&>(c).TitleCaptions();
}
template <class T>
tk::TStrings& SectionsOf(tk::TComponent& c) {
  return static_cast<T&>(c).Sections();
}
template <class T>
tk::TStrings& TabsOf(tk::TComponent& c) {
  return static_cast<T&>(c).Tabs();
}
template <class T>
tk::TStrings& PagesOf(tk::TComponent& c) {
  return static_cast<T&>(c).Pages();
}
template <class T>
tk::TStrings& HintsOf(tk::TComponent& c) {
  return static_cast<T&>(c).Hints();
}

template <class T>
const tk::ClassInfo* Class() {
  return &T::StaticClass();
}

}  // namespace

std::span<const KindRow> KindRows() {
  using namespace tk;
  static const KindRow rows[] = {
      {Class<TListBox>(), WriteStrings, CollectStrings, ItemsOf<TListBox>},
      {Class<TLabeledEdit>(), WriteEditLabel, CollectEditLabel},
      {Class<TComboBoxEx>(), WriteComboBoxEx, CollectComboBoxEx},
      {Class<TDBListBox>(), WriteStrings, CollectStrings, ItemsOf<TDBListBox>},
      {Class<TDBRadioGroup>(), WriteCaptionThenStrings, CollectCaptionThenStrings,
       ItemsOf<TDBRadioGroup>},
      {Class<TDBGrid>(), WriteGridTitles, CollectGridTitles},
      {Class<TDBComboBox>(), WriteComboStrings, CollectStrings, ItemsOf<TDBComboBox>},
      {Class<TField>(), WriteDisplayLabel, CollectDisplayLabel},
      {Class<TDBNavigator>(), WriteNavigatorHints, CollectStrings, HintsOf<TDBNavigator>},
      {Class<TCustomForm>(), WriteControlText, CollectWindowTitle},
      {Class<TRadioGroup>(), WriteCaptionThenStrings, CollectCaptionThenStrings,
       ItemsOf<TRadioGroup>},
      {Class<TMemo>(), WriteStrings, CollectStrings, LinesOf<TMemo>},
      {Class<TValueListEditor>(), WriteTitleCaptions, CollectStrings,
       TitleCaptionsOf<TValueListEditor>},
      {Class<THeader>(), WriteStrings, CollectStrings, SectionsOf<THeader>},
      {Class<TTabSet>(), WriteStrings, CollectStrings, TabsOf<TTabSet>},
      {Class<TTabbedNotebook>(), WriteStrings, CollectStrings, PagesOf<TTabbedNotebook>},
      {Class<TNotebook>(), WriteStrings, CollectStrings, PagesOf<TNotebook>},
      {Class<TTabControl>(), WriteStrings, CollectStrings, TabsOf<TTabControl>},
      {Class<TTreeView>(), WriteTreeNodes, CollectTreeNodes},
      {Class<TListView>(), WriteListView, CollectListView},
      {Class<TStatusBar>(), WriteStatusBar, CollectStatusBar},
      {Class<THeaderControl>(), WriteHeaderSections, CollectHeaderSections},
      {Class<TComboBox>(), WriteComboStrings, CollectStrings, ItemsOf<TComboBox>},
      {Class<TFilterComboBox>(), WriteFilter, CollectFilter},
      {Class<TOpenDialog>(), WriteTitleThenFilter, CollectTitleThenFilter},
      {Class<TMenuItem>(), WriteMenuCaption, CollectMenuCaption},
      {Class<TComponent>(), WritePublished, CollectPublished},
  };
  return rows;
}

const KindRow& ScanKindRows(const tk::ClassInfo& type) {
  const std::span<const KindRow> rows = KindRows();
  for (const KindRow& row : rows) {
    if (type.InheritsFrom(*row.kind)) return row;
  }
  return rows.back();
}

const KindRow& FindKindRow(const tk::ClassInfo& type) {
  // Class information lives as long as the program, so its address names the class. One map per
  // thread: the switch runs on the window's thread and takes no locks.
  thread_local std::unordered_map<const tk::ClassInfo*, const KindRow*> found;
  const KindRow*& row = found[&type];
  if (row == nullptr) row = &ScanKindRows(type);
  return *row;
}

}  // namespace ml
