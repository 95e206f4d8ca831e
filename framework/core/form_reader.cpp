#include <algorithm>
#include <vector>

#include "framework/core/convert.h"
#include "framework/core/description_lexer.h"
#include "framework/core/form_description.h"
#include "framework/core/stream.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

EDescriptionError::EDescriptionError(int line, std::string component, std::string property, std::string reason)
    : EReadError("Line " + std::to_string(line) + ": error reading " + component +
                 (property.empty() ? "" : "." + property) + ": " + reason),
      line_(line),
      component_(std::move(component)),
      property_(std::move(property)),
      reason_(std::move(reason)) {}

namespace {

using description::Lexeme;
using description::Lexer;
using description::Token;

// A reason for the current line, component and property; the reader adds
// those when it catches it.
struct Failure {
  std::string reason;
  int line = 0;  // 0: the line of the property or component being read
};

[[noreturn]] void Fail(std::string reason, int line = 0) { throw Failure{std::move(reason), line}; }

struct Fixup {
  TObject* object;
  const TPropInfo* prop;
  std::string target;
  int line;
  std::string component, property;
};

class Reader {
 public:
  Reader(TComponent& root, std::string_view text) : root_(root), lex_(text) {}

  void Read();

 private:
  void ReadObject(TComponent* parent);
  TComponent& CreateChild(const std::string& name, const std::string& className, TComponent* parent);
  bool AtObject();
  void ReadProperty(TObject& obj);
  void ReadValue(TObject& obj, const TPropInfo& prop);
  void ReadStringList(TStrings& list);
  void ReadCollection(TCollection& collection);
  void ReadBinary(TObject& obj, const TPropInfo& prop);
  void ResolveFixups();

  Lexeme Expect(Token kind, const char* what);
  void ExpectSymbol(char c);
  bool IsSymbol(char c) { return lex_.Peek().kind == Token::Symbol && lex_.Peek().text[0] == c; }
  bool IsWord(std::string_view w) { return lex_.Peek().kind == Token::Identifier && SameText(lex_.Peek().text, w); }
  [[noreturn]] void Raise(const std::string& reason, int line = 0);

  TComponent& root_;
  Lexer lex_;
  std::vector<TComponent*> created_;
  std::vector<Fixup> fixups_;
  std::string component_;  // the component being read, for messages
  std::string property_;   // the property being read, for messages
  int line_ = 1;
  int depth_ = 0;
};

void Reader::Raise(const std::string& reason, int line) {
  throw EDescriptionError(line ? line : line_, component_, property_, reason);
}

Lexeme Reader::Expect(Token kind, const char* what) {
  if (lex_.Peek().kind != kind) {
    const Lexeme& t = lex_.Peek();
    Fail(t.kind == Token::End ? std::string("Unexpected end of the description, ") + what + " expected"
                              : std::string(what) + " expected but '" + t.text + "' found",
         t.line);
  }
  return lex_.Next();
}

void Reader::ExpectSymbol(char c) {
  if (!IsSymbol(c)) {
    const Lexeme& t = lex_.Peek();
    Fail(t.kind == Token::End ? std::string("Unexpected end of the description, '") + c + "' expected"
                              : std::string("'") + c + "' expected but '" + t.text + "' found",
         t.line);
  }
  lex_.Next();
}

bool Reader::AtObject() { return IsWord("object") || IsWord("inherited") || IsWord("inline"); }

void Reader::Read() {
  root_.Loading();
  try {
    try {
      if (!AtObject()) {
        line_ = lex_.Line();
        Fail(lex_.Peek().kind == Token::End ? "The description is empty" : "'object' expected");
      }
      ReadObject(nullptr);
      line_ = lex_.Line();
      component_ = root_.Name();
      property_.clear();
      if (lex_.Peek().kind != Token::End)
        Fail("Unexpected '" + lex_.Peek().text + "' after the end of the description");
      ResolveFixups();
    } catch (const Failure& f) {
      Raise(f.reason, f.line);
    } catch (const EDescriptionError&) {
      throw;
    } catch (const std::exception& e) {
      // Errors of the components' own setters and readers.
      Raise(e.what());
    }
  } catch (...) {
    // Free what this read created, newest first; the root stays as it was
    // handed in (its own stored values may have been applied).
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
      if ((*it)->Owner() == &root_) root_.FreeComponent(**it);
    }
    root_.TComponent::Loaded();  // leave the loading state without the root's own Loaded
    throw;
  }
  root_.Loaded();
  for (TComponent* c : created_) c->Loaded();
}

void Reader::ReadObject(TComponent* parent) {
  line_ = lex_.Line();
  // Real forms nest a few levels; this bounds the recursion on hostile text.
  constexpr int kMaxDepth = 100;
  if (++depth_ > kMaxDepth) Fail("Components are nested too deeply");
  lex_.Next();  // object / inherited / inline
  property_.clear();
  const Lexeme name = Expect(Token::Identifier, "Component name");
  component_ = name.text;
  ExpectSymbol(':');
  const Lexeme cls = Expect(Token::Identifier, "Class name");
  TComponent* self = nullptr;
  if (!parent) {
    if (!root_.InheritsFrom(cls.text))
      Fail("Class " + cls.text + " does not match the form's class " + root_.ClassName());
    root_.SetName(name.text);
    self = &root_;
  } else {
    self = &CreateChild(name.text, cls.text, parent);
  }
  for (;;) {
    line_ = lex_.Line();
    component_ = self->Name();
    property_.clear();
    if (IsWord("end")) {
      lex_.Next();
      --depth_;
      return;
    }
    if (AtObject()) {
      ReadObject(self);
      continue;
    }
    if (lex_.Peek().kind == Token::End) Fail("Unexpected end of the description, 'end' expected");
    ReadProperty(*self);
  }
}

TComponent& Reader::CreateChild(const std::string& name, const std::string& className, TComponent* parent) {
  const TClassInfo* cls = FindClass(className);
  const TFieldInfo* field = root_.ClassType().FindField(name);
  if (!cls && field && SameText(field->FieldClass().Name(), className)) cls = &field->FieldClass();
  if (!cls) Fail("Class " + className + " not found");
  if (!cls->CanCreate() || !cls->InheritsFrom(TComponent::StaticClass()))
    Fail("Class " + className + " is not a component that can be created");
  if (root_.FindComponent(name)) Fail("A component named " + name + " already exists");
  TComponent* c = cls->GetFactory()(&root_);
  created_.push_back(c);
  c->Loading();
  c->SetName(name);
  c->SetParentComponent(parent == &root_ ? &root_ : parent);
  if (field) {
    if (!c->InheritsFrom(field->FieldClass()))
      Fail("Class " + className + " does not match the field " + name + " of class " + field->FieldClass().Name());
    field->Set(root_, c);
  }
  return *c;
}

void Reader::ReadProperty(TObject& obj) {
  const Lexeme path = Expect(Token::Identifier, "Property name");
  property_ = path.text;
  TObject* target = &obj;
  const TPropInfo* prop = nullptr;
  std::string_view rest = path.text;
  for (;;) {
    const size_t dot = rest.find('.');
    const std::string_view part = rest.substr(0, dot);
    if (part.empty()) Fail("Invalid property name");
    // "Lines.Strings": the string list itself.
    if (auto* list = dynamic_cast<TStrings*>(target); list && dot == std::string_view::npos && SameText(part, "Strings")) {
      ExpectSymbol('=');
      ReadStringList(*list);
      return;
    }
    prop = target->ClassType().FindProperty(part);
    if (!prop) Fail("Property " + std::string(part) + " does not exist");
    if (dot == std::string_view::npos) break;
    if (prop->Kind != TTypeKind::Class && prop->Kind != TTypeKind::StringList)
      Fail("Property " + std::string(part) + " has no properties of its own");
    target = prop->GetObj(*target);
    if (!target) Fail("Property " + std::string(part) + " is nil");
    rest = rest.substr(dot + 1);
  }
  ExpectSymbol('=');
  ReadValue(*target, *prop);
}

void Reader::ReadValue(TObject& obj, const TPropInfo& prop) {
  const int line = lex_.Line();
  line_ = line;
  const auto invalid = [&](const Lexeme& t) {
    Fail(t.kind == Token::End ? "Unexpected end of the description, a value expected"
                              : "Invalid property value '" + t.text + "'",
         t.line);
  };
  const auto needSetter = [&] {
    if (!prop.Writable) Fail("Property " + prop.Name + " is read-only");
  };
  switch (prop.Kind) {
    case TTypeKind::Integer: {
      const Lexeme t = lex_.Next();
      if (t.kind == Token::Identifier) {
        for (const TIntIdent& ident : prop.IntIdents) {
          if (SameText(ident.Name, t.text)) {
            needSetter();
            prop.SetOrd(obj, ident.Value);
            return;
          }
        }
      }
      if (t.kind != Token::Integer) invalid(t);
      const auto v = TryStrToInt64(t.text);
      if (!v || *v < prop.MinValue || *v > prop.MaxValue) {
        // Hex spellings of negative 32-bit values ($FFFFFFF5) are bit patterns.
        const auto v32 = TryStrToInt(t.text);
        if (!v32 || *v32 < prop.MinValue || *v32 > prop.MaxValue) invalid(t);
        needSetter();
        prop.SetOrd(obj, *v32);
        return;
      }
      needSetter();
      prop.SetOrd(obj, *v);
      return;
    }
    case TTypeKind::Enumeration: {
      const Lexeme t = lex_.Next();
      const int v = t.kind == Token::Identifier ? prop.EnumType->ValueOf(t.text) : -1;
      if (v < 0) invalid(t);
      needSetter();
      prop.SetOrd(obj, v);
      return;
    }
    case TTypeKind::Set: {
      ExpectSymbol('[');
      std::uint64_t bits = 0;
      while (!IsSymbol(']')) {
        const Lexeme t = lex_.Next();
        const int v = t.kind == Token::Identifier ? prop.EnumType->ValueOf(t.text) : -1;
        if (v < 0 || v >= 64) invalid(t);
        bits |= std::uint64_t{1} << v;
        if (IsSymbol(',')) lex_.Next();
        else if (!IsSymbol(']')) invalid(lex_.Peek());
      }
      lex_.Next();
      needSetter();
      prop.SetOrd(obj, static_cast<std::int64_t>(bits));
      return;
    }
    case TTypeKind::String: {
      const Lexeme t = lex_.Next();
      if (t.kind != Token::String) invalid(t);
      needSetter();
      prop.SetStr(obj, t.text);
      return;
    }
    case TTypeKind::Color: {
      const Lexeme t = lex_.Next();
      std::optional<std::int32_t> v;
      if (t.kind == Token::Identifier) {
        if (auto c = IdentToColor(t.text)) v = *c;
      } else if (t.kind == Token::Integer) {
        v = TryStrToInt(t.text);
      }
      if (!v) invalid(t);
      needSetter();
      prop.SetOrd(obj, *v);
      return;
    }
    case TTypeKind::Class:
      Fail("Property " + prop.Name + " is an object: set its properties (" + prop.Name + ".X = ...)");
    case TTypeKind::StringList: {
      auto* list = dynamic_cast<TStrings*>(prop.GetObj(obj));
      if (!list) Fail("Property " + prop.Name + " is nil");
      ReadStringList(*list);
      return;
    }
    case TTypeKind::Collection: {
      auto* collection = dynamic_cast<TCollection*>(prop.GetObj(obj));
      if (!collection) Fail("Property " + prop.Name + " is nil");
      ReadCollection(*collection);
      return;
    }
    case TTypeKind::Component: {
      const Lexeme t = lex_.Next();
      if (t.kind != Token::Identifier) invalid(t);
      needSetter();
      if (SameText(t.text, "nil")) {
        prop.SetObj(obj, nullptr);
        return;
      }
      fixups_.push_back(Fixup{&obj, &prop, t.text, line, component_, property_});
      return;
    }
    case TTypeKind::Method: {
      const Lexeme t = lex_.Next();
      if (t.kind != Token::Identifier) invalid(t);
      TEventBase* event = prop.GetEvent(obj);
      const TMethodInfo* method = root_.ClassType().FindMethod(t.text);
      if (!method) Fail("Method " + t.text + " not found in " + root_.ClassName());
      if (!event->Bind(root_, *method)) Fail("Method " + t.text + " has parameters that do not fit " + prop.Name);
      return;
    }
    case TTypeKind::Binary:
      ReadBinary(obj, prop);
      return;
  }
}

void Reader::ReadStringList(TStrings& list) {
  ExpectSymbol('(');
  list.BeginUpdate();
  list.Clear();
  while (!IsSymbol(')')) {
    const Lexeme t = lex_.Next();
    if (t.kind != Token::String) {
      list.EndUpdate();
      Fail(t.kind == Token::End ? "Unexpected end of the description, ')' expected"
                                : "String expected but '" + t.text + "' found",
           t.line);
    }
    list.Add(t.text);
  }
  lex_.Next();
  list.EndUpdate();
}

void Reader::ReadCollection(TCollection& collection) {
  ExpectSymbol('<');
  collection.BeginUpdate();
  collection.Clear();
  const std::string outer = property_;
  try {
    while (!IsSymbol('>')) {
      line_ = lex_.Line();
      if (!IsWord("item")) {
        const Lexeme& t = lex_.Peek();
        Fail(t.kind == Token::End ? "Unexpected end of the description, '>' expected"
                                  : "'item' expected but '" + t.text + "' found",
             t.line);
      }
      lex_.Next();
      const std::string prefix = outer + "[" + std::to_string(collection.Count()) + "].";
      TCollectionItem& item = collection.Add();
      while (!IsWord("end")) {
        line_ = lex_.Line();
        property_ = outer;
        if (lex_.Peek().kind == Token::End) Fail("Unexpected end of the description, 'end' expected");
        const size_t mark = fixups_.size();
        try {
          ReadProperty(item);
        } catch (const Failure& f) {
          property_ = prefix + property_;
          throw;
        }
        for (size_t i = mark; i < fixups_.size(); ++i) fixups_[i].property = prefix + fixups_[i].property;
      }
      lex_.Next();
    }
    lex_.Next();
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  property_ = outer;
  collection.EndUpdate();
}

void Reader::ReadBinary(TObject& obj, const TPropInfo& prop) {
  ExpectSymbol('{');
  std::string error;
  TMemoryStream data(lex_.ReadHex(error));
  if (!error.empty()) Fail(error);
  try {
    prop.ReadData(obj, data);
  } catch (const EReadError& e) {
    Fail("Binary data is truncated or malformed: " + e.Message());
  }
}

void Reader::ResolveFixups() {
  for (const Fixup& f : fixups_) {
    component_ = f.component;
    property_ = f.property;
    line_ = f.line;
    TComponent* target = nullptr;
    const size_t dot = f.target.find('.');
    if (dot == std::string::npos) {
      target = SameText(f.target, root_.Name()) ? &root_ : root_.FindComponent(f.target);
    } else if (SameText(std::string_view(f.target).substr(0, dot), root_.Name())) {
      target = root_.FindComponent(std::string_view(f.target).substr(dot + 1));
    }
    if (!target) Fail("Component " + f.target + " not found");
    if (!target->InheritsFrom(f.prop->PropClass()))
      Fail("Component " + f.target + " is a " + target->ClassName() + ", not a " + f.prop->PropClass().Name());
    f.prop->SetObj(*f.object, target);
  }
}

}  // namespace

void ReadComponent(TComponent& root, std::string_view text) {
  Reader reader(root, text);
  reader.Read();
}

Owned<TComponent> ReadRootComponent(std::string_view text) {
  // Peek at the header for the class to create.
  Lexer lex(text);
  std::string name, className;
  int line = lex.Line();
  if (lex.Peek().kind == Token::Identifier) {
    lex.Next();
    if (lex.Peek().kind == Token::Identifier) name = lex.Next().text;
    if (lex.Peek().kind == Token::Symbol && lex.Peek().text == ":") {
      lex.Next();
      if (lex.Peek().kind == Token::Identifier) className = lex.Next().text;
    }
  }
  if (className.empty()) throw EDescriptionError(line, name, "", "'object Name: TClass' expected");
  Owned<TComponent> root = CreateRootComponent(className);
  if (!root) throw EDescriptionError(line, name, "", "Class " + className + " not found");
  ReadComponent(*root, text);
  return root;
}

}  // namespace hm
