#include "framework/core/typinfo.h"

#include "framework/core/stream.h"
#include "framework/core/text.h"

namespace hm {
namespace {

// Runs `f` and turns any exception into `fallback`: by-name access is used
// from painting code, which must never see an exception.
template <class R, class F>
R Guard(R fallback, F&& f) {
  try {
    return f();
  } catch (...) {
    return fallback;
  }
}

bool IsOrdinal(TTypeKind k) {
  return k == TTypeKind::Integer || k == TTypeKind::Enumeration || k == TTypeKind::Set || k == TTypeKind::Color;
}

bool IsObjectKind(TTypeKind k) {
  return k == TTypeKind::Class || k == TTypeKind::StringList || k == TTypeKind::Collection ||
         k == TTypeKind::Component;
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
  return obj ? obj->ClassType().FindProperty(name) : nullptr;
}

TTypeKind PropKind(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  return p ? p->Kind : TTypeKind::Integer;
}

std::int32_t GetPropInt(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Integer) return 0;
  return Guard<std::int32_t>(0, [&] { return static_cast<std::int32_t>(p->GetOrd(*obj)); });
}

bool SetPropInt(TObject* obj, std::string_view name, std::int32_t value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Integer || !p->SetOrd) return false;
  if (value < p->MinValue || value > p->MaxValue) return false;
  return Guard(false, [&] {
    p->SetOrd(*obj, value);
    return true;
  });
}

std::int64_t GetOrdProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || !IsOrdinal(p->Kind)) return 0;
  return Guard<std::int64_t>(0, [&] { return p->GetOrd(*obj); });
}

bool SetOrdProp(TObject* obj, std::string_view name, std::int64_t value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || !IsOrdinal(p->Kind) || !p->SetOrd) return false;
  switch (p->Kind) {
    case TTypeKind::Integer:
      if (value < p->MinValue || value > p->MaxValue) return false;
      break;
    case TTypeKind::Enumeration:
      if (value < 0 || value >= p->EnumType->Count()) return false;
      break;
    case TTypeKind::Set:
      if (p->EnumType->Count() < 64 && (static_cast<std::uint64_t>(value) >> p->EnumType->Count()) != 0) return false;
      break;
    case TTypeKind::Color:
      if (value < INT32_MIN || value > INT32_MAX) return false;
      break;
    default:
      break;
  }
  return Guard(false, [&] {
    p->SetOrd(*obj, value);
    return true;
  });
}

std::string GetPropEnumName(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Enumeration) return {};
  return Guard<std::string>({}, [&] { return p->EnumType->ValueName(p->GetOrd(*obj)); });
}

bool SetPropEnumName(TObject* obj, std::string_view name, std::string_view value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Enumeration) return false;
  const int v = p->EnumType->ValueOf(value);
  return v >= 0 && SetOrdProp(obj, name, v);
}

std::string GetSetProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Set) return {};
  return Guard<std::string>({}, [&] { return SetToString(*p->EnumType, static_cast<std::uint64_t>(p->GetOrd(*obj))); });
}

bool SetSetProp(TObject* obj, std::string_view name, std::string_view value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Set) return false;
  const auto bits = StringToSet(*p->EnumType, value);
  return bits && SetOrdProp(obj, name, static_cast<std::int64_t>(*bits));
}

std::string GetPropString(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::String) return {};
  return Guard<std::string>({}, [&] { return p->GetStr(*obj); });
}

bool SetPropString(TObject* obj, std::string_view name, const std::string& value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::String || !p->SetStr) return false;
  return Guard(false, [&] {
    p->SetStr(*obj, value);
    return true;
  });
}

TObject* GetPropObject(const TObject* obj, std::string_view name, std::string_view className) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || !IsObjectKind(p->Kind)) return nullptr;
  TObject* value = Guard<TObject*>(nullptr, [&] { return p->GetObj(*obj); });
  if (value && !className.empty() && !value->InheritsFrom(className)) return nullptr;
  return value;
}

bool SetPropObject(TObject* obj, std::string_view name, TObject* value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Component || !p->SetObj) return false;
  if (value && !value->InheritsFrom(p->PropClass())) return false;
  return Guard(false, [&] {
    p->SetObj(*obj, value);
    return true;
  });
}

bool SetPropMethod(TObject* obj, std::string_view name, TObject& target, std::string_view method) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Method) return false;
  return Guard(false, [&] {
    TEventBase* e = p->GetEvent(*obj);
    if (method.empty()) {
      e->Clear();
      return true;
    }
    const TMethodInfo* m = target.ClassType().FindMethod(method);
    return m && e->Bind(target, *m);
  });
}

std::string GetPropMethodName(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::Method) return {};
  return Guard<std::string>({}, [&] { return p->GetEvent(*obj)->MethodName(); });
}

std::string SetToString(const TEnumType& type, std::uint64_t bits) {
  std::string out = "[";
  for (int i = 0; i < type.Count() && i < 64; ++i) {
    if ((bits >> i) & 1u) {
      if (out.size() > 1) out += ", ";
      out += type.ValueName(i);
    }
  }
  return out + "]";
}

std::optional<std::uint64_t> StringToSet(const TEnumType& type, std::string_view text) {
  const std::string t = Trim(text);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
  std::uint64_t bits = 0;
  std::string_view inner = std::string_view(t).substr(1, t.size() - 2);
  if (Trim(inner).empty()) return bits;
  size_t start = 0;
  while (start <= inner.size()) {
    size_t comma = inner.find(',', start);
    if (comma == std::string_view::npos) comma = inner.size();
    const int v = type.ValueOf(Trim(inner.substr(start, comma - start)));
    if (v < 0 || v >= 64) return std::nullopt;
    bits |= std::uint64_t{1} << v;
    start = comma + 1;
  }
  return bits;
}

void CopyPublishedProperties(const TObject& source, TObject& dest) {
  if (&source.ClassType() != &dest.ClassType()) return;
  for (const TPropInfo* p : source.ClassType().Properties()) {
    switch (p->Kind) {
      case TTypeKind::Integer:
      case TTypeKind::Enumeration:
      case TTypeKind::Set:
      case TTypeKind::Color:
        if (p->SetOrd) p->SetOrd(dest, p->GetOrd(source));
        break;
      case TTypeKind::String:
        if (p->SetStr) p->SetStr(dest, p->GetStr(source));
        break;
      case TTypeKind::Class: {
        TObject* from = p->GetObj(source);
        TObject* to = p->GetObj(dest);
        if (from && to) CopyPublishedProperties(*from, *to);
        break;
      }
      case TTypeKind::StringList:
      case TTypeKind::Collection: {
        TObject* from = p->GetObj(source);
        TObject* to = p->GetObj(dest);
        auto* pf = dynamic_cast<TPersistent*>(from);
        auto* pt = dynamic_cast<TPersistent*>(to);
        if (pf && pt) pt->Assign(*pf);
        break;
      }
      case TTypeKind::Component:
        if (p->SetObj) p->SetObj(dest, p->GetObj(source));
        break;
      case TTypeKind::Method:
      case TTypeKind::Binary:
        break;  // handlers belong to one form; binary data to its owner
    }
  }
}

}  // namespace hm
