// A small family of classes shaped like the ones the program publishes:
// a font-like nested object, controls with parents, a grid-like collection,
// a component with a binary property and a form with handlers and fields.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/events.h"
#include "framework/core/stream.h"
#include "framework/core/string_list.h"
#include "framework/core/typinfo.h"

namespace hm::sample {

HM_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
HM_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = Set<TFontStyle>;

class TSampleFont : public TPersistent {
  HM_CLASS(TSampleFont, TPersistent)

 public:
  std::string name = "MS Sans Serif";
  int charset = 1;
  int height = -11;
  TColor color = clWindowText;
  TFontStyles style;
};

// Records every notification and Loaded call, in order, into a shared log.
using EventLog = std::vector<std::string>;

class TSampleControl : public TComponent {
  HM_CLASS(TSampleControl, TComponent)

 public:
  explicit TSampleControl(TComponent* owner) : TComponent(owner), log(logForNew) {}

  // Controls created while this is set log their Loaded calls into it.
  static inline EventLog* logForNew = nullptr;

  TComponent* GetParentComponent() const override { return parent; }
  void SetParentComponent(TComponent* p) override { parent = p; }
  void Loaded() override;

  int Left() const { return left; }
  void SetLeft(int v) { left = v; }

  TComponent* parent = nullptr;
  int left = 0;
  int width = 75;
  bool visible = true;
  TAlign align = alNone;
  TColor color = clBtnFace;
  std::string caption;
  std::unique_ptr<TSampleFont> font = std::make_unique<TSampleFont>();
  TNotifyEvent OnClick;
  EventLog* log = nullptr;
  bool wasLoadingWhenLoaded = false;
};

class TSamplePanel : public TSampleControl {
  HM_CLASS(TSamplePanel, TSampleControl)

 public:
  using TSampleControl::TSampleControl;
};

class TSampleMemo : public TSampleControl {
  HM_CLASS(TSampleMemo, TSampleControl)

 public:
  using TSampleControl::TSampleControl;
  TStringList lines;
};

class TSampleColumnTitle : public TPersistent {
  HM_CLASS(TSampleColumnTitle, TPersistent)

 public:
  std::string caption;
  bool titleButton = false;
};

class TSampleColumn : public TCollectionItem {
  HM_CLASS(TSampleColumn, TCollectionItem)

 public:
  std::string fieldName;
  int width = 64;
  std::unique_ptr<TSampleColumnTitle> title = std::make_unique<TSampleColumnTitle>();
};

class TSampleSource : public TComponent {
  HM_CLASS(TSampleSource, TComponent)

 public:
  explicit TSampleSource(TComponent* owner) : TComponent(owner) {}
};

class TSampleGrid : public TSampleControl {
  HM_CLASS(TSampleGrid, TSampleControl)

 public:
  explicit TSampleGrid(TComponent* owner) : TSampleControl(owner) {}
  void SetSource(TSampleSource* s);
  void Notification(TComponent* c, TOperation op) override;

  TCollection columns{TCollection::ItemsOf<TSampleColumn>(), this};
  TSampleSource* source = nullptr;
};

// The stored record: a 32-bit length, then that many bytes.
class TSampleSkin : public TComponent {
  HM_CLASS(TSampleSkin, TComponent)

 public:
  explicit TSampleSkin(TComponent* owner) : TComponent(owner) {}
  void ReadStore(TStream& s);
  void WriteStore(TStream& s) const;
  bool HasStore() const { return !store.empty(); }

  std::string store;
  std::vector<std::string>* loadedWhileReading = nullptr;
};

class TSampleForm : public TComponent {
  HM_CLASS(TSampleForm, TComponent)

 public:
  explicit TSampleForm(TComponent* owner) : TComponent(owner) {}
  void Loaded() override;

  void FormCreate(TObject* sender);
  void Button1Click(TObject* sender);
  void FormCanResize(TObject* sender, int& newWidth, int& newHeight, bool& resize);

  std::string caption;
  TColor color = clBtnFace;
  std::unique_ptr<TSampleFont> font = std::make_unique<TSampleFont>();
  TNotifyEvent OnCreate;
  TEvent<TObject*, int&, int&, bool&> OnCanResize;
  TSampleControl* Button1 = nullptr;
  TSampleGrid* Grid1 = nullptr;

  EventLog calls;
};

}  // namespace hm::sample
