#include "editors/edit_extras.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TEditImageEh) {
  p.Prop("ImageIndex", &TEditImageEh::ImageIndex, &TEditImageEh::SetImageIndex);
  p.Prop("Images", &TEditImageEh::Images, &TEditImageEh::SetImages);
  p.Prop("UseImageHeight", &TEditImageEh::UseImageHeight, &TEditImageEh::SetUseImageHeight);
  p.Prop("Visible", &TEditImageEh::Visible, &TEditImageEh::SetVisible);
  p.Prop("Width", &TEditImageEh::Width, &TEditImageEh::SetWidth);
}

HM_PUBLISH(TMRUListEh) {
  p.Prop("Active", &TMRUListEh::Active, &TMRUListEh::SetActive);
  p.Prop("AutoAdd", &TMRUListEh::AutoAdd, &TMRUListEh::SetAutoAdd);
  p.Prop("Items", [](const TMRUListEh& m) { return const_cast<TStringList*>(m.Items()); });
  p.Prop("Limit", &TMRUListEh::Limit, &TMRUListEh::SetLimit);
  p.Prop("Rows", &TMRUListEh::Rows, &TMRUListEh::SetRows);
}

void TEditImageEh::SetImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  Changed();
}

void TEditImageEh::SetImageIndex(int value) {
  if (value == image_index_) return;
  image_index_ = value;
  Changed();
}

void TEditImageEh::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TEditImageEh::SetUseImageHeight(bool value) {
  if (value == use_image_height_) return;
  use_image_height_ = value;
  Changed();
}

void TEditImageEh::SetWidth(int value) {
  value = value < 0 ? 0 : value;
  if (value == width_) return;
  width_ = value;
  Changed();
}

int TEditImageEh::TakenWidth() const {
  if (!Shown()) return 0;
  return (width_ > 0 ? width_ : images_->Width()) + 4;
}

void TMRUListEh::SetLimit(int value) {
  limit_ = value < 1 ? 1 : value;
  while (items_.Count() > limit_) items_.Delete(items_.Count() - 1);
}

void TMRUListEh::Add(const std::string& text) {
  if (text.empty()) return;
  for (int i = items_.Count() - 1; i >= 0; --i) {
    if (AnsiSameText(items_.Get(i), text)) items_.Delete(i);
  }
  items_.Insert(0, text);
  while (items_.Count() > limit_) items_.Delete(items_.Count() - 1);
}

}  // namespace hm
