// Published properties: the part of a class that descriptions store and that
// other code reads and writes by name.
//
// In the class body:           HM_CLASS(TSkinData, TComponent)
// In the .cpp file, one line per property, kinds deduced from the types:
//
//   HM_PUBLISH(TSkinData) {
//     p.Prop("Active", &TSkinData::active_, &TSkinData::SetActive);  // bool
//     p.Prop("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag);
//     p.Prop("SkinControls", &TSkinData::skinControls_);   // Set<E>, member
//     p.Prop("Skin3rd", &TSkinData::Skin3rd);              // TStrings*
//     p.Event("OnSkinChanged", &TSkinData::OnSkinChanged);
//     p.Binary("SkinStream", &TSkinData::ReadSkinStream, &TSkinData::WriteSkinStream);
//   }
//
// A getter is a const member function, a data member or a callable taking
// const T&; a setter is a member function taking the value, a data member, a
// callable (T&, value), or absent (then a value
// property is read-only and not stored). Persistent objects held by value as
// data members are published by address. Kinds: integral types → integer;
// bool and HM_ENUM types → enumeration; Set<E> → set; TColor → colour;
// std::string → string; pointers (or unique_ptrs) to TStrings → string list,
// to TCollection → collection, to TComponent → component reference (needs a
// setter), to other TPersistent → nested object.
//
// A form class also publishes its handlers and component fields:
//     p.Method("FormCreate", &TFrmMain::FormCreate);
//     p.Field("BitBtn1", &TFrmMain::BitBtn1);   // set when BitBtn1 is read
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/color.h"
#include "framework/core/component.h"
#include "framework/core/enum_type.h"
#include "framework/core/events.h"
#include "framework/core/object.h"
#include "framework/core/string_list.h"

namespace hm {

class TStream;

enum class TTypeKind {
  Integer,
  Enumeration,  // includes Boolean
  Set,
  String,
  Color,
  Class,  // nested persistent object (Font)
  StringList,
  Collection,
  Component,  // reference to another component
  Method,     // event handler
  Binary,     // own reader and writer over a stream
};

// Names for particular values of an integer property (DEFAULT_CHARSET = 1),
// read and written in place of the number.
struct TIntIdent {
  std::int32_t Value;
  const char* Name;
};

struct TPropInfo {
  std::string Name;
  TTypeKind Kind = TTypeKind::Integer;
  const TEnumType* EnumType = nullptr;         // Enumeration, Set
  const TClassInfo& (*PropClass)() = nullptr;  // Class, StringList, Collection, Component
  bool Writable = false;                       // has a setter (value kinds, Component)
  bool Stored = true;                          // written to descriptions
  std::int64_t MinValue = 0, MaxValue = 0;     // Integer

  // Integer, Enumeration (value index), Set (bits), Color.
  std::function<std::int64_t(const TObject&)> GetOrd;
  std::function<void(TObject&, std::int64_t)> SetOrd;
  // String.
  std::function<std::string(const TObject&)> GetStr;
  std::function<void(TObject&, const std::string&)> SetStr;
  // Class, StringList, Collection, Component.
  std::function<TObject*(const TObject&)> GetObj;
  std::function<void(TObject&, TObject*)> SetObj;
  // Method.
  std::function<TEventBase*(const TObject&)> GetEvent;
  // Binary.
  std::function<void(TObject&, TStream&)> ReadData;
  std::function<void(const TObject&, TStream&)> WriteData;
  std::function<bool(const TObject&)> HasData;

  std::vector<TIntIdent> IntIdents;            // Integer

  // Kept out of descriptions (still readable and writable by name).
  TPropInfo& NotStored() {
    Stored = false;
    return *this;
  }
  // p.Prop("Charset", ...).Idents({{0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}});
  TPropInfo& Idents(std::initializer_list<TIntIdent> idents) {
    IntIdents.assign(idents.begin(), idents.end());
    return *this;
  }
};

// A published field of a form class that receives the component of that name
// when a description is read (and is cleared when the component is freed).
struct TFieldInfo {
  std::string Name;
  const TClassInfo& (*FieldClass)() = nullptr;
  std::function<void(TObject& root, TComponent* value)> Set;
  std::function<TComponent*(const TObject& root)> Get;
};

namespace detail {

template <class V> struct Unwrapped { using type = V; };
template <class P, class D> struct Unwrapped<std::unique_ptr<P, D>> { using type = P*; };

template <class T, class G>
auto GetValue(const T& obj, G get) {
  if constexpr (std::is_invocable_v<G, const T&> && !std::is_member_pointer_v<G>) {
    return get(obj);
  } else if constexpr (std::is_member_function_pointer_v<G>) {
    auto&& v = (obj.*get)();
    if constexpr (requires { v.get(); } && !std::is_pointer_v<std::remove_cvref_t<decltype(v)>>)
      return v.get();
    else
      return static_cast<std::remove_cvref_t<decltype(v)>>(v);
  } else {
    const auto& v = obj.*get;
    if constexpr (std::is_base_of_v<TPersistent, std::remove_cvref_t<decltype(v)>>) return &v;  // held by value
    else if constexpr (requires { v.get(); }) return v.get();
    else return std::remove_cvref_t<decltype(v)>(v);
  }
}

template <class T, class S, class V>
void SetValue(T& obj, S set, V&& value) {
  if constexpr (std::is_invocable_v<S, T&, V> && !std::is_member_pointer_v<S>) set(obj, std::forward<V>(value));
  else if constexpr (std::is_member_function_pointer_v<S>) (obj.*set)(std::forward<V>(value));
  else obj.*set = std::forward<V>(value);
}

template <class T> const T& Self(const TObject& o) { return dynamic_cast<const T&>(o); }
template <class T> T& Self(TObject& o) { return dynamic_cast<T&>(o); }

template <class T> TComponent* NewComponent(TComponent* owner) { return new T(owner); }  // owner frees

template <class T, class... A>
std::any MakeHandler(TObject& self, const void* method) {
  using M = void (T::*)(A...);
  const M m = *static_cast<const M*>(method);
  T* obj = &dynamic_cast<T&>(self);
  return std::any(std::function<void(A...)>([obj, m](A... a) { (obj->*m)(std::forward<A>(a)...); }));
}

template <class V> inline constexpr bool kAlwaysFalse = false;

}  // namespace detail

template <class T>
class Published {
 public:
  explicit Published(TClassInfo& info) : info_(info) {}

  template <class G, class S = std::nullptr_t>
  TPropInfo& Prop(std::string name, G get, S set = nullptr) {
    using Raw = std::remove_cv_t<decltype(detail::GetValue(std::declval<const T&>(), get))>;
    using V = Raw;
    constexpr bool kHasSetter = !std::is_null_pointer_v<S>;
    auto p = std::make_unique<TPropInfo>();
    p->Name = std::move(name);
    p->Writable = kHasSetter;
    if constexpr (std::is_pointer_v<V>) {
      using P = std::remove_cv_t<std::remove_pointer_t<V>>;
      p->PropClass = &P::StaticClass;
      p->GetObj = [get](const TObject& o) -> TObject* {
        return const_cast<P*>(detail::GetValue(detail::Self<T>(o), get));
      };
      if constexpr (std::is_base_of_v<TStrings, P>) p->Kind = TTypeKind::StringList;
      else if constexpr (std::is_base_of_v<TCollection, P>) p->Kind = TTypeKind::Collection;
      else if constexpr (std::is_base_of_v<TComponent, P>) p->Kind = TTypeKind::Component;
      else if constexpr (std::is_base_of_v<TPersistent, P>) p->Kind = TTypeKind::Class;
      else static_assert(detail::kAlwaysFalse<V>, "published pointers must point to persistent objects");
      if constexpr (kHasSetter && std::is_base_of_v<TComponent, P>) {
        p->SetObj = [set](TObject& o, TObject* v) {
          P* typed = v ? dynamic_cast<P*>(v) : nullptr;
          if (v && !typed) return;  // wrong class: the callers check first
          detail::SetValue(detail::Self<T>(o), set, typed);
        };
      } else if constexpr (std::is_base_of_v<TComponent, P>) {
        p->Writable = false;
      }
      (void)set;
    } else {
      if constexpr (std::is_same_v<V, bool>) {
        p->Kind = TTypeKind::Enumeration;
        p->EnumType = &BooleanType();
      } else if constexpr (std::is_same_v<V, TColor>) {
        p->Kind = TTypeKind::Color;
      } else if constexpr (IsSet<V>::value) {
        p->Kind = TTypeKind::Set;
        p->EnumType = &EnumTypeOf<typename IsSet<V>::Element>();
      } else if constexpr (std::is_enum_v<V>) {
        static_assert(NamedEnum<V>, "published enumerations need HM_ENUM or HM_ENUM_NAMES");
        p->Kind = TTypeKind::Enumeration;
        p->EnumType = &EnumTypeOf<V>();
      } else if constexpr (std::is_integral_v<V>) {
        p->Kind = TTypeKind::Integer;
        p->MinValue = std::numeric_limits<V>::min();
        p->MaxValue = static_cast<std::int64_t>(std::numeric_limits<V>::max());
      } else if constexpr (std::is_same_v<V, std::string>) {
        p->Kind = TTypeKind::String;
      } else {
        static_assert(detail::kAlwaysFalse<V>, "unsupported published property type");
      }

      if constexpr (std::is_same_v<V, std::string>) {
        p->GetStr = [get](const TObject& o) { return detail::GetValue(detail::Self<T>(o), get); };
        if constexpr (kHasSetter)
          p->SetStr = [set](TObject& o, const std::string& v) { detail::SetValue(detail::Self<T>(o), set, v); };
      } else {
        p->GetOrd = [get](const TObject& o) -> std::int64_t {
          const V v = detail::GetValue(detail::Self<T>(o), get);
          if constexpr (IsSet<V>::value) return static_cast<std::int64_t>(v.Bits());
          else return static_cast<std::int64_t>(v);
        };
        if constexpr (kHasSetter) {
          p->SetOrd = [set](TObject& o, std::int64_t v) {
            if constexpr (IsSet<V>::value) detail::SetValue(detail::Self<T>(o), set, V::FromBits(static_cast<std::uint64_t>(v)));
            else if constexpr (std::is_same_v<V, bool>) detail::SetValue(detail::Self<T>(o), set, v != 0);
            else detail::SetValue(detail::Self<T>(o), set, static_cast<V>(v));
          };
        }
      }
    }
    return info_.AddProperty(std::move(p));
  }

  template <class... A>
  TPropInfo& Event(std::string name, TEvent<A...> T::*slot) {
    auto p = std::make_unique<TPropInfo>();
    p->Name = std::move(name);
    p->Kind = TTypeKind::Method;
    p->Writable = true;
    p->GetEvent = [slot](const TObject& o) -> TEventBase* {
      return &(const_cast<T&>(detail::Self<T>(o)).*slot);
    };
    return info_.AddProperty(std::move(p));
  }

  // `read` gets a stream over the stored bytes; `write` appends the bytes to
  // store; `has` (optional) says whether there is anything to store.
  TPropInfo& Binary(std::string name, void (T::*read)(TStream&), void (T::*write)(TStream&) const,
                    bool (T::*has)() const = nullptr) {
    auto p = std::make_unique<TPropInfo>();
    p->Name = std::move(name);
    p->Kind = TTypeKind::Binary;
    p->Writable = true;
    p->ReadData = [read](TObject& o, TStream& s) { (detail::Self<T>(o).*read)(s); };
    p->WriteData = [write](const TObject& o, TStream& s) { (detail::Self<T>(o).*write)(s); };
    if (has) p->HasData = [has](const TObject& o) { return (detail::Self<T>(o).*has)(); };
    return info_.AddProperty(std::move(p));
  }

  template <class... A>
  void Method(std::string name, void (T::*method)(A...)) {
    using M = void (T::*)(A...);
    info_.AddMethod(std::make_unique<TMethodInfo>(TMethodInfo{
        std::move(name), typeid(void(A...)), &detail::MakeHandler<T, A...>,
        std::make_shared<const M>(method)}));
  }

  template <class C>
  void Field(std::string name, C* T::*field) {
    auto f = std::make_unique<TFieldInfo>();
    f->Name = std::move(name);
    f->FieldClass = &C::StaticClass;
    f->Set = [field](TObject& root, TComponent* v) { detail::Self<T>(root).*field = dynamic_cast<C*>(v); };
    f->Get = [field](const TObject& root) -> TComponent* { return detail::Self<T>(root).*field; };
    info_.AddField(std::move(f));
  }

 private:
  TClassInfo& info_;
};

template <class T>
std::unique_ptr<TClassInfo> TClassInfo::Build(std::string name) {
  auto info = std::make_unique<TClassInfo>(std::move(name), &T::Inherited::StaticClass());
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>) {
    info->SetFactory(&detail::NewComponent<T>);
  }
  Published<T> p(*info);
  T::Publish(p);
  return info;
}

// ---- Access by name. None of these raise: a null object, a missing
// property or a property of another kind reads as 0 / "" / nullptr, and a
// setter that cannot apply its value returns false.

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);
TTypeKind PropKind(const TObject* obj, std::string_view name);  // Integer when missing

// Integer-kind properties only.
std::int32_t GetPropInt(const TObject* obj, std::string_view name);
bool SetPropInt(TObject* obj, std::string_view name, std::int32_t value);
// Ordinal value of integer, enumeration, set (bits) and colour properties.
std::int64_t GetOrdProp(const TObject* obj, std::string_view name);
bool SetOrdProp(TObject* obj, std::string_view name, std::int64_t value);
// Enumeration properties by value name ("True", "sfMainform").
std::string GetPropEnumName(const TObject* obj, std::string_view name);
bool SetPropEnumName(TObject* obj, std::string_view name, std::string_view value);
// Set properties as "[a, b]".
std::string GetSetProp(const TObject* obj, std::string_view name);
bool SetSetProp(TObject* obj, std::string_view name, std::string_view value);
// String properties.
std::string GetPropString(const TObject* obj, std::string_view name);
bool SetPropString(TObject* obj, std::string_view name, const std::string& value);
// Object-valued properties; with a class name, only an object of that class
// or a descendant is returned.
TObject* GetPropObject(const TObject* obj, std::string_view name, std::string_view className = {});
bool SetPropObject(TObject* obj, std::string_view name, TObject* value);
// Event properties: binds to a method published by `target`'s class.
bool SetPropMethod(TObject* obj, std::string_view name, TObject& target, std::string_view method);
std::string GetPropMethodName(const TObject* obj, std::string_view name);

// Set text "[a, b]" <-> bits for `type`; nullopt for unknown members or
// malformed text.
std::string SetToString(const TEnumType& type, std::uint64_t bits);
std::optional<std::uint64_t> StringToSet(const TEnumType& type, std::string_view text);

// Copies the stored value properties, nested objects, string lists and
// collections from `source` to `dest` when both are of the same class.
void CopyPublishedProperties(const TObject& source, TObject& dest);

}  // namespace hm

// The definition of a class's information and its published part:
//   HM_PUBLISH(TButton) { p.Prop("Caption", &TButton::Caption, &TButton::SetCaption); }
#define HM_PUBLISH(Self)                                                                    \
  const ::hm::TClassInfo& Self::StaticClass() {                                             \
    static const std::unique_ptr<::hm::TClassInfo> info = ::hm::TClassInfo::Build<Self>(#Self); \
    return *info;                                                                           \
  }                                                                                         \
  static const ::hm::detail::ClassRegistrar hm_class_registrar_##Self(&Self::StaticClass);  \
  void Self::Publish([[maybe_unused]] ::hm::Published<Self>& p)
