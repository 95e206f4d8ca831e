// The root object class and the run-time class information every framework
// class carries: its name, its ancestor, its published properties, the
// methods that events can be bound to by name, and (for components) a factory
// so descriptions can create it by class name.
//
// A class declares itself with HM_CLASS(Self, Parent) as the first line of its
// body and defines its published part with HM_PUBLISH(Self) { ... } in its
// .cpp file (see typinfo.h and docs/framework-core.md).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hm {

class TClassInfo;
class TComponent;
struct TPropInfo;
struct TMethodInfo;
struct TFieldInfo;
template <class T> class Published;

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const;
  // True for the class itself and each of its ancestors; names compare
  // without regard to ASCII case, as class names do in descriptions.
  bool InheritsFrom(std::string_view className) const;
  bool InheritsFrom(const TClassInfo& cls) const;

  using Inherited = void;
  static void Publish(Published<TObject>&) {}
};

class TClassInfo {
 public:
  using Factory = TComponent* (*)(TComponent* owner);

  TClassInfo(std::string name, const TClassInfo* parent);
  ~TClassInfo();
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(std::string_view className) const;
  bool InheritsFrom(const TClassInfo& cls) const;

  // Published properties of this class and its ancestors, ancestors first,
  // each class's in declaration order. A descendant redeclaring a name
  // replaces the ancestor's entry in place.
  std::vector<const TPropInfo*> Properties() const;
  const TPropInfo* FindProperty(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;

  // Components with a (TComponent* owner) constructor can be created by name.
  bool CanCreate() const { return factory_ != nullptr; }
  Factory GetFactory() const { return factory_; }

  // Used by Published<T> while the class information is built.
  TPropInfo& AddProperty(std::unique_ptr<TPropInfo> prop);
  void AddMethod(std::unique_ptr<TMethodInfo> method);
  void AddField(std::unique_ptr<TFieldInfo> field);
  void SetFactory(Factory factory) { factory_ = factory; }

  template <class T> static std::unique_ptr<TClassInfo> Build(std::string name);

 private:
  std::string name_;
  const TClassInfo* parent_;
  Factory factory_ = nullptr;
  std::vector<std::unique_ptr<TPropInfo>> props_;
  std::vector<std::unique_ptr<TMethodInfo>> methods_;
  std::vector<std::unique_ptr<TFieldInfo>> fields_;
};

// The process-wide class registry used to create components by class name.
// A class's information registers itself when it is first built; programs
// that create classes only from descriptions call RegisterClasses<...>() (or
// declare form fields of those classes) so the linker keeps them.
void RegisterClass(const TClassInfo& cls);
const TClassInfo* FindClass(std::string_view name);
template <class... T> void RegisterClasses() { (RegisterClass(T::StaticClass()), ...); }

namespace detail {
struct ClassRegistrar {
  explicit ClassRegistrar(const TClassInfo& (*get)()) { RegisterClass(get()); }
};
}  // namespace detail

}  // namespace hm

// First line of every framework class body; leaves the access at private.
#define HM_CLASS(Self, Parent)                                               \
 public:                                                                     \
  using Inherited = Parent;                                                  \
  static const ::hm::TClassInfo& StaticClass();                              \
  const ::hm::TClassInfo& ClassType() const override { return StaticClass(); } \
  static void Publish(::hm::Published<Self>& p);                             \
                                                                             \
 private:
