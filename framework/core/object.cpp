#include "framework/core/object.h"

#include <map>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {
namespace {

struct LessNoCase {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

std::map<std::string, const TClassInfo*, LessNoCase>& Registry() {
  static std::map<std::string, const TClassInfo*, LessNoCase> registry;
  return registry;
}

}  // namespace

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}

const std::string& TObject::ClassName() const { return ClassType().Name(); }

bool TObject::InheritsFrom(std::string_view className) const { return ClassType().InheritsFrom(className); }

bool TObject::InheritsFrom(const TClassInfo& cls) const { return ClassType().InheritsFrom(cls); }

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    if (SameText(c->name_, className)) return true;
  }
  return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo& cls) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    if (c == &cls) return true;
  }
  return false;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TPropInfo*> out = parent_ ? parent_->Properties() : std::vector<const TPropInfo*>{};
  for (const auto& p : props_) {
    bool replaced = false;
    for (const TPropInfo*& q : out) {
      if (SameText(q->Name, p->Name)) {
        q = p.get();
        replaced = true;
        break;
      }
    }
    if (!replaced) out.push_back(p.get());
  }
  return out;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    for (const auto& p : c->props_) {
      if (SameText(p->Name, name)) return p.get();
    }
  }
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    for (const auto& m : c->methods_) {
      if (SameText(m->Name, name)) return m.get();
    }
  }
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    for (const auto& f : c->fields_) {
      if (SameText(f->Name, name)) return f.get();
    }
  }
  return nullptr;
}

TPropInfo& TClassInfo::AddProperty(std::unique_ptr<TPropInfo> prop) {
  props_.push_back(std::move(prop));
  return *props_.back();
}

void TClassInfo::AddMethod(std::unique_ptr<TMethodInfo> method) { methods_.push_back(std::move(method)); }

void TClassInfo::AddField(std::unique_ptr<TFieldInfo> field) { fields_.push_back(std::move(field)); }

void RegisterClass(const TClassInfo& cls) { Registry().emplace(cls.Name(), &cls); }

const TClassInfo* FindClass(std::string_view name) {
  auto& r = Registry();
  auto it = r.find(name);
  return it == r.end() ? nullptr : it->second;
}

}  // namespace hm
