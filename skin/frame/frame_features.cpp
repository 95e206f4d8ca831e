// The frame's window icon.
#include "framework/ui/platform/handles.h"
#include "skin/core/skin_manage.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_form.h"

namespace hm {

void TWinSkinForm::BuildIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  small_icon_size_ = cx;
  icon_handle_ = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_SMALL, 0));
  if (!icon_handle_) icon_handle_ = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_BIG, 0));
  if (icon_handle_) {
    UniqueIcon copy(static_cast<HICON>(CopyImage(icon_handle_, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
    icon_own_.SetSize(cx, cy);
    if (copy) DrawIconEx(icon_own_.Canvas().Handle(), 0, 0, copy.get(), cx, cy, 0, nullptr, DI_NORMAL);
    icon_bitmap_ = &icon_own_;
    return;
  }
  // No icon of its own: the skin components' shared bitmap serves as one.
  const TBitmap& cache = skin_data_->CacheBitmap();
  if (!cache.Empty()) {
    icon_bitmap_ = &cache;
    return;
  }
  if (const TSkinManage* manager = ExistingSkinManager()) {
    for (const TSkinData* data : manager->SkinDatas()) {
      if (data->SkinFormtype() == sfMainform && !data->CacheBitmap().Empty()) icon_bitmap_ = &data->CacheBitmap();
    }
  }
}

}  // namespace hm
