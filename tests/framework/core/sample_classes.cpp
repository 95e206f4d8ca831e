#include "tests/framework/core/sample_classes.h"

#include "framework/core/exception.h"

namespace hm::sample {

HM_PUBLISH(TSampleFont) {
  p.Prop("Charset", &TSampleFont::charset, &TSampleFont::charset)
      .Idents({{0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {134, "GB2312_CHARSET"}});
  p.Prop("Name", &TSampleFont::name, &TSampleFont::name);
  p.Prop("Height", &TSampleFont::height, &TSampleFont::height);
  p.Prop("Color", &TSampleFont::color, &TSampleFont::color);
  p.Prop("Style", &TSampleFont::style, &TSampleFont::style);
}

HM_PUBLISH(TSampleControl) {
  p.Prop("Left", &TSampleControl::Left, &TSampleControl::SetLeft);
  p.Prop("Width", &TSampleControl::width, &TSampleControl::width);
  p.Prop("Visible", &TSampleControl::visible, &TSampleControl::visible);
  p.Prop("Align", &TSampleControl::align, &TSampleControl::align);
  p.Prop("Color", &TSampleControl::color, &TSampleControl::color);
  p.Prop("Caption", &TSampleControl::caption, &TSampleControl::caption);
  p.Prop("Font", &TSampleControl::font);
  p.Event("OnClick", &TSampleControl::OnClick);
}

HM_PUBLISH(TSamplePanel) {}

HM_PUBLISH(TSampleMemo) { p.Prop("Lines", &TSampleMemo::lines); }

HM_PUBLISH(TSampleColumnTitle) {
  p.Prop("Caption", &TSampleColumnTitle::caption, &TSampleColumnTitle::caption);
  p.Prop("TitleButton", &TSampleColumnTitle::titleButton, &TSampleColumnTitle::titleButton);
}

HM_PUBLISH(TSampleColumn) {
  p.Prop("FieldName", &TSampleColumn::fieldName, &TSampleColumn::fieldName);
  p.Prop("Title", &TSampleColumn::title);
  p.Prop("Width", &TSampleColumn::width, &TSampleColumn::width);
}

HM_PUBLISH(TSampleSource) {}

HM_PUBLISH(TSampleGrid) {
  p.Prop("Columns", [](const TSampleGrid& g) { return &g.columns; });
  p.Prop("DataSource", &TSampleGrid::source, &TSampleGrid::SetSource);
}

HM_PUBLISH(TSampleSkin) { p.Binary("SkinStream", &TSampleSkin::ReadStore, &TSampleSkin::WriteStore, &TSampleSkin::HasStore); }

HM_PUBLISH(TSampleForm) {
  p.Prop("Caption", &TSampleForm::caption, &TSampleForm::caption);
  p.Prop("Color", &TSampleForm::color, &TSampleForm::color);
  p.Prop("Font", &TSampleForm::font);
  p.Event("OnCreate", &TSampleForm::OnCreate);
  p.Event("OnCanResize", &TSampleForm::OnCanResize);
  p.Method("FormCreate", &TSampleForm::FormCreate);
  p.Method("Button1Click", &TSampleForm::Button1Click);
  p.Method("FormCanResize", &TSampleForm::FormCanResize);
  p.Field("Button1", &TSampleForm::Button1);
  p.Field("Grid1", &TSampleForm::Grid1);
}

void TSampleControl::Loaded() {
  wasLoadingWhenLoaded = ComponentState().Contains(csLoading);
  TComponent::Loaded();
  if (log) log->push_back("Loaded " + Name());
}

void TSampleGrid::SetSource(TSampleSource* s) {
  if (source) source->RemoveFreeNotification(this);
  source = s;
  if (source) source->FreeNotification(this);
}

void TSampleGrid::Notification(TComponent* c, TOperation op) {
  TSampleControl::Notification(c, op);
  if (op == opRemove && c == source) source = nullptr;
}

void TSampleSkin::ReadStore(TStream& s) {
  const std::int32_t n = s.ReadInt32();
  if (n <= 0) return;
  // A length beyond the record is damage, not a size to allocate.
  if (n > s.Size() - s.Position()) throw EReadError("Stream read error");
  store.assign(static_cast<size_t>(n), '\0');
  s.ReadBuffer(store.data(), n);
}

void TSampleSkin::WriteStore(TStream& s) const {
  s.WriteInt32(static_cast<std::int32_t>(store.size()));
  s.WriteBuffer(store.data(), static_cast<std::int64_t>(store.size()));
}

void TSampleForm::Loaded() {
  TComponent::Loaded();
  calls.push_back("Loaded");
}

void TSampleForm::FormCreate(TObject*) { calls.push_back("FormCreate"); }

void TSampleForm::Button1Click(TObject* sender) {
  calls.push_back("Button1Click " + static_cast<TComponent*>(sender)->Name());
}

void TSampleForm::FormCanResize(TObject*, int& newWidth, int& newHeight, bool& resize) {
  newWidth = 303;
  newHeight = 335;
  resize = true;
}

}  // namespace hm::sample
