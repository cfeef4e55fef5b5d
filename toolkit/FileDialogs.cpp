#include "toolkit/FileDialogs.h"

#include "toolkit/Application.h"
#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TCommonDialog::StaticClass() {
  static const ClassInfo info{"TCommonDialog", &TComponent::StaticClass(), {}};
  return info;
}

const ClassInfo& TOpenDialog::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TOpenDialog, &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt>(
          "DefaultExt"),
      StringProperty<TOpenDialog, &TOpenDialog::FileName, &TOpenDialog::SetFileName>("FileName"),
      StringProperty<TOpenDialog, &TOpenDialog::Filter, &TOpenDialog::SetFilter>("Filter"),
      IntProperty<TOpenDialog, &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex>(
          "FilterIndex", Stored::IfNotDefault, 1),
      StringProperty<TOpenDialog, &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir>(
          "InitialDir"),
      StringProperty<TOpenDialog, &TOpenDialog::Title, &TOpenDialog::SetTitle>("Title"),
  };
  static const ClassInfo info{"TOpenDialog", &TCommonDialog::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TOpenDialog(o); }};
  return info;
}

const ClassInfo& TSaveDialog::StaticClass() {
  static const ClassInfo info{
      "TSaveDialog", &TOpenDialog::StaticClass(), {}, [](TComponent* o) -> TComponent* {
        return new TSaveDialog(o);
      }};
  return info;
}

bool TOpenDialog::Execute() {
  return Application().Dialogs().ExecuteFileDialog(*this);
}

}  // namespace tk
