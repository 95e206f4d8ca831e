// Form descriptions: the text form of a root component and everything it
// owns.
//
//   object FrmMain: TFrmMain
//     Caption = 'Haomiso'             // strings: '...', '' for a quote, #nnn
//     Color = clBtnFace               // identifiers: enumerations, colours
//     BorderIcons = [biSystemMenu]    // sets
//     Font.Height = -11               // nested objects, dotted
//     OnCreate = FormCreate           // handlers: methods of the root's class
//     object Memo1: TMemo             // nested blocks: child components
//       Lines.Strings = ( 'a' 'b' )   // string lists
//     end
//     object DBGridEh1: TDBGridEh
//       Columns = < item FieldName = 'x' end >  // collections
//       DataSource = DataSource1      // references, resolved at the end
//     end
//     object SkinData1: TSkinData
//       SkinStream = { 0A000000 ... } // binary, the component's own record
//     end
//   end
#pragma once

#include <string>
#include <string_view>

#include "framework/core/component.h"
#include "framework/core/exception.h"

namespace hm {

// One error for any malformed description; the message reads
// "Line 12: error reading BitBtn1.Caption: Invalid property value 'x'".
class EDescriptionError : public EReadError {
 public:
  EDescriptionError(int line, std::string component, std::string property, std::string reason);
  int Line() const { return line_; }
  const std::string& Component() const { return component_; }
  const std::string& Property() const { return property_; }
  const std::string& Reason() const { return reason_; }

 private:
  int line_;
  std::string component_, property_, reason_;
};

// Reads a description into `root`: its class must be the described class or
// a descendant. Components are created in stored order, owned by `root`;
// each gets the enclosing block's component as its parent component. Stored
// values override the constructors' defaults, handlers bind to `root`'s
// methods, references resolve after the whole text was read, then Loaded
// runs on root and on every created component in creation order. On error
// every component created so far is freed and EDescriptionError is raised.
void ReadComponent(TComponent& root, std::string_view text);

// Creates the root by its class name from the class registry, then reads.
Owned<TComponent> ReadRootComponent(std::string_view text);

// Writes `root` and every component it owns (nested under their parent
// components, in creation order), storing only values that differ from a
// freshly constructed instance of the same class.
std::string WriteComponent(const TComponent& root);

}  // namespace hm
