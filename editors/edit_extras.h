// Smaller companions of the data-aware edit: the image at the left of the
// text and the list of recently used texts.
#pragma once

#include <functional>
#include <string>

#include "framework/core/persistent.h"
#include "framework/core/string_list.h"
#include "framework/ui/graphics/image_list.h"

namespace hm {

// An image from an image list shown left of the text.
class TEditImageEh : public TPersistent {
  HM_CLASS(TEditImageEh, TPersistent)

 public:
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // The editor's height follows the images when they are taller than the text.
  bool UseImageHeight() const { return use_image_height_; }
  void SetUseImageHeight(bool value);
  // 0: the image list's width.
  int Width() const { return width_; }
  void SetWidth(int value);

  // Shown at all: visible with an image list.
  bool Shown() const { return visible_ && images_ != nullptr; }
  // Pixels the image takes from the text rectangle: its width plus 4.
  int TakenWidth() const;

  std::function<void()> OnChanged;

 private:
  void Changed() {
    if (OnChanged) OnChanged();
  }
  TImageList* images_ = nullptr;  // not owned; the editor drops it when freed
  int image_index_ = -1;
  bool visible_ = false;
  bool use_image_height_ = true;
  int width_ = 0;
};

// Texts the user entered, newest first, without repeats.
class TMRUListEh : public TPersistent {
  HM_CLASS(TMRUListEh, TPersistent)

 public:
  bool Active() const { return active_; }
  void SetActive(bool value) { active_ = value; }
  // Posting adds the posted text.
  bool AutoAdd() const { return auto_add_; }
  void SetAutoAdd(bool value) { auto_add_ = value; }
  int Limit() const { return limit_; }
  void SetLimit(int value);
  int Rows() const { return rows_; }
  void SetRows(int value) { rows_ = value < 1 ? 1 : value; }
  TStringList* Items() { return &items_; }
  const TStringList* Items() const { return &items_; }

  // Puts `text` first (removing an equal older entry, case ignored) and
  // drops the oldest past the limit; empty texts are not kept.
  void Add(const std::string& text);

 private:
  bool active_ = false;
  bool auto_add_ = true;
  int limit_ = 100;
  int rows_ = 7;
  TStringList items_;
};

}  // namespace hm
