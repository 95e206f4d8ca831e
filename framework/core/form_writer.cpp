#include <optional>

#include "framework/core/convert.h"
#include "framework/core/form_description.h"
#include "framework/core/stream.h"
#include "framework/core/typinfo.h"

namespace hm {
namespace {

// 'text' with '' for a quote and #n for control characters; UTF-8 stays as
// it is.
std::string Quote(std::string_view s) {
  if (s.empty()) return "''";
  std::string out;
  bool open = false;
  for (char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 32) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(b);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    if (c == '\'') out += '\'';
    out += c;
  }
  if (open) out += '\'';
  return out;
}

// The text a scalar property is stored as; nullopt for kinds stored otherwise.
std::optional<std::string> ScalarText(const TObject& obj, const TPropInfo& p) {
  switch (p.Kind) {
    case TTypeKind::Integer: {
      const std::int64_t v = p.GetOrd(obj);
      for (const TIntIdent& ident : p.IntIdents) {
        if (ident.Value == v) return std::string(ident.Name);
      }
      return IntToStr(v);
    }
    case TTypeKind::Enumeration:
      return p.EnumType->ValueName(p.GetOrd(obj));
    case TTypeKind::Set:
      return SetToString(*p.EnumType, static_cast<std::uint64_t>(p.GetOrd(obj)));
    case TTypeKind::String:
      return Quote(p.GetStr(obj));
    case TTypeKind::Color: {
      const auto c = static_cast<TColor>(p.GetOrd(obj));
      if (auto name = ColorToIdent(c)) return *name;
      return "$" + IntToHex(static_cast<std::uint32_t>(c), 8);
    }
    case TTypeKind::Component: {
      auto* c = dynamic_cast<TComponent*>(p.GetObj(obj));
      return c ? c->Name() : std::string();
    }
    case TTypeKind::Method:
      return p.GetEvent(obj)->MethodName();
    default:
      return std::nullopt;
  }
}

std::string BinaryBytes(const TObject& obj, const TPropInfo& p) {
  TMemoryStream s;
  p.WriteData(obj, s);
  return std::string(s.Bytes());
}

class Writer {
 public:
  explicit Writer(const TComponent& root) : root_(root) {}
  std::string Write() {
    WriteObject(root_, 0);
    return out_;
  }

 private:
  void Line(int indent, const std::string& text) {
    out_.append(static_cast<size_t>(indent), ' ');
    out_ += text;
    out_ += '\n';
  }

  void WriteObject(const TComponent& c, int indent);
  void WriteProperties(const TObject& obj, const TObject* defaults, const std::string& prefix, int indent);
  std::string CollectionText(const TCollection& collection, int indent);
  void WriteStrings(const TStrings& list, const std::string& name, int indent);
  void WriteBinary(const std::string& bytes, const std::string& name, int indent);

  const TComponent& root_;
  std::string out_;
};

void Writer::WriteObject(const TComponent& c, int indent) {
  Line(indent, "object " + c.Name() + ": " + c.ClassName());
  // Defaults are what the constructor sets: compare with a fresh instance.
  Owned<TComponent> fresh;
  if (c.ClassType().CanCreate()) fresh = Owned<TComponent>(c.ClassType().GetFactory()(nullptr));
  WriteProperties(c, fresh.get(), "", indent + 2);
  for (int i = 0; i < root_.ComponentCount(); ++i) {
    const TComponent* child = root_.Components(i);
    const TComponent* parent = child->GetParentComponent();
    if (parent == &c || (&c == &root_ && parent == nullptr)) WriteObject(*child, indent + 2);
  }
  Line(indent, "end");
}

void Writer::WriteProperties(const TObject& obj, const TObject* defaults, const std::string& prefix, int indent) {
  for (const TPropInfo* p : obj.ClassType().Properties()) {
    if (!p->Stored) continue;
    const std::string name = prefix + p->Name;
    switch (p->Kind) {
      case TTypeKind::Class: {
        const TObject* nested = p->GetObj(obj);
        if (nested) WriteProperties(*nested, defaults ? p->GetObj(*defaults) : nullptr, name + ".", indent);
        break;
      }
      case TTypeKind::StringList: {
        const auto* list = dynamic_cast<const TStrings*>(p->GetObj(obj));
        const auto* def = defaults ? dynamic_cast<const TStrings*>(p->GetObj(*defaults)) : nullptr;
        if (!list || (def ? list->Equals(*def) : list->Count() == 0)) break;
        WriteStrings(*list, name, indent);
        break;
      }
      case TTypeKind::Collection: {
        const auto* col = dynamic_cast<const TCollection*>(p->GetObj(obj));
        const auto* def = defaults ? dynamic_cast<const TCollection*>(p->GetObj(*defaults)) : nullptr;
        if (!col) break;
        const std::string text = CollectionText(*col, indent);
        if (def ? text == CollectionText(*def, indent) : col->Count() == 0) break;
        out_.append(static_cast<size_t>(indent), ' ');
        out_ += name + " = " + text + "\n";
        break;
      }
      case TTypeKind::Binary: {
        if (p->HasData) {
          if (!p->HasData(obj)) break;
          WriteBinary(BinaryBytes(obj, *p), name, indent);
        } else {
          const std::string bytes = BinaryBytes(obj, *p);
          if (defaults && bytes == BinaryBytes(*defaults, *p)) break;
          WriteBinary(bytes, name, indent);
        }
        break;
      }
      default: {
        if (!p->Writable) break;  // read-only values are not stored
        const std::string text = *ScalarText(obj, *p);
        if (defaults ? text == *ScalarText(*defaults, *p)
                     : (p->Kind == TTypeKind::Component || p->Kind == TTypeKind::Method) && text.empty())
          break;
        // A reference cleared from a non-nil default is stored as nil.
        Line(indent, name + " = " + (text.empty() && p->Kind == TTypeKind::Component ? "nil" : text));
        break;
      }
    }
  }
}

std::string Writer::CollectionText(const TCollection& collection, int indent) {
  if (collection.Count() == 0) return "<>";
  Writer items(root_);
  for (int i = 0; i < collection.Count(); ++i) {
    const TCollectionItem* item = collection.Items(i);
    const std::unique_ptr<TCollectionItem> fresh = collection.NewItem();
    items.Line(indent + 2, "item");
    items.WriteProperties(*item, fresh && &fresh->ClassType() == &item->ClassType() ? fresh.get() : nullptr, "",
                          indent + 4);
    items.Line(indent + 2, "end");
  }
  std::string text = "<\n" + items.out_;
  text.pop_back();  // the closing '>' follows the last "end"
  return text + ">";
}

void Writer::WriteStrings(const TStrings& list, const std::string& name, int indent) {
  if (list.Count() == 0) {
    Line(indent, name + ".Strings = ()");
    return;
  }
  Line(indent, name + ".Strings = (");
  for (int i = 0; i < list.Count(); ++i)
    Line(indent + 2, Quote(list.Get(i)) + (i + 1 == list.Count() ? ")" : ""));
}

void Writer::WriteBinary(const std::string& bytes, const std::string& name, int indent) {
  Line(indent, name + " = {");
  static const char kHex[] = "0123456789ABCDEF";
  constexpr size_t kBytesPerLine = 32;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    line += kHex[b >> 4];
    line += kHex[b & 15];
    if (line.size() == kBytesPerLine * 2 && i + 1 < bytes.size()) {
      Line(indent + 2, line);
      line.clear();
    }
  }
  Line(indent + 2, line + "}");
}

}  // namespace

std::string WriteComponent(const TComponent& root) { return Writer(root).Write(); }

}  // namespace hm
