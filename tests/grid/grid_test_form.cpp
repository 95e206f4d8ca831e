#include "tests/grid/grid_test_form.h"

#include <cstdio>

#include "framework/core/typinfo.h"
#include "framework/ui/forms/application.h"

namespace hm::test {

HM_PUBLISH(TGridTestForm) {
  p.Field("DBGridEh1", &TGridTestForm::DBGridEh1);
  p.Field("Button1", &TGridTestForm::Button1);
  p.Field("DataSource1", &TGridTestForm::DataSource1);
}

TGridTestForm::TGridTestForm(TComponent* owner) : TForm(owner) {}

GridForm::GridForm() {
  data->SetName("SqlData1");
  form->Show();
  Pump();
}

void GridForm::Show(int rows) { Show(AreaRows(rows)); }

void GridForm::Show(const std::string& sql) {
  data->Run(sql);
  form->DataSource1->SetDataSet(data);
  Pump();
}

COLORREF GridForm::Pixel(int x, int y) {
  UpdateWindow(Window());
  HDC dc = GetDC(Window());
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(Window(), dc);
  return c;
}

std::vector<int> GridForm::Widths() {
  std::vector<int> w;
  for (int c = grid.IndicatorOffset(); c < grid.ColCount(); ++c) w.push_back(grid.ColWidths(c));
  return w;
}

TCapture::TCapture(HWND window) {
  UpdateWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  bits_.assign(static_cast<std::size_t>(width_) * height_, 0);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pixels = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
  GdiFlush();
  if (pixels) std::copy_n(static_cast<const std::uint32_t*>(pixels), bits_.size(), bits_.begin());
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(window, screen);
}

COLORREF TCapture::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t v = bits_[static_cast<std::size_t>(y) * width_ + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void TCapture::Save(const std::string& path) const {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = -height_;
  info.biPlanes = 1;
  info.biBitCount = 32;
  const DWORD bytes = static_cast<DWORD>(bits_.size() * 4);
  std::vector<std::uint32_t> opaque(bits_);
  for (std::uint32_t& v : opaque) v |= 0xFF000000u;  // viewers take a zero alpha as transparent
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + bytes;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(opaque.data(), 1, bytes, out);
    std::fclose(out);
  }
}

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

COLORREF SysColor(int index) { return GetSysColor(index); }

}  // namespace hm::test
