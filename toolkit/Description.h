// A window's stored description: its components and their published properties as UTF-8 text.
//
//   # comment
//   object MainForm: TMainForm
//     Caption = "Settings"
//     Font.Style = [fsBold]
//     OnShow = FormShow
//     object ListBox1: TListBox
//       Items = (
//         "Red"
//       )
//     end
//   end
//
// Values: integers (decimal; "$" hex on reading), True/False, enumeration names, sets "[a, b]",
// quoted strings with \\ \" \r \n \t \xHH escapes, string lists "(" one quoted string a line ")",
// events as a method name of the root's class, and properties of owned sub-objects as "Font.Name".
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/Component.h"

namespace tk {

class TForm;

// Reads a description into `root`, whose class (or a base class) the description's root object
// must name. Nested objects are created by registered class name, owned by `root`, named, and
// parented to the enclosing windowed control; each is in the loading state while its properties
// are set, in the order in which its class declares them. Afterwards the root, then each created
// component in creation order, receives AfterLoading().
// A malformed description (a string that is not UTF-8 included) raises EReadError naming the
// line; the components created so far are destroyed again. Errors raised by property setters
// propagate unchanged.
void ReadComponent(std::string_view text, TComponent& root);

// Makes the window that the description's root object names and reads the description into it:
// a registered form class is made by its name, and any class that is not registered becomes a
// TStandInForm of that name. EReadError for a root class that is registered but no form class
// that can be made, and as ReadComponent for the rest.
std::unique_ptr<TForm> ReadForm(std::string_view text);

// Reads the description that the backend stores under `resourceName` ("TMAINFORM") into `root`;
// EReadError when there is none.
void LoadFormDescription(TComponent& root, std::string_view resourceName);

// Writes `root` and the components it owns: stored properties in declaration order, controls
// nested under their parent, other components directly in the root, each in owner order.
// Reading the result back gives the same state; writing that again gives the same text.
std::string WriteComponent(const TComponent& root);

}  // namespace tk
