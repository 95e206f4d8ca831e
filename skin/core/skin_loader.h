// Reads one skin's INI text and bitmaps into its definitions, in the order
// the skin component's load sequence fixes. Bitmaps are decoded here, once;
// a bitmap value that names no usable member leaves that bitmap empty.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/color.h"
#include "framework/core/stream.h"
#include "skin/core/quick_ini.h"
#include "skin/core/skin_definitions.h"
#include "skin/core/skin_reader.h"

namespace hm {

class TSkinLoader {
 public:
  TSkinLoader(const TSkinReader& reader, const TQuickIni& ini, TSkinDefinitions& skin)
      : reader_(reader), ini_(ini), skin_(skin) {}

  // Refills every definition; those of sections the skin lacks are removed.
  void Run();

 private:
  // skin_loader.cpp
  void ReadBorders();
  void ReadColours();
  void ReadTitle();
  void ReadMenuBar();
  void SetFrameCounts();
  // skin_load_buttons.cpp
  void ReadCaptionButtons();
  void ReadMdiButtons();
  void ReadButtons();
  // skin_load_sections.cpp
  void ReadSection(TSkinSection section);

  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    return ini_.ReadInteger(section, key, defaultValue);
  }
  TColor Colour(std::string_view section, std::string_view key, TColor defaultValue) const;
  bool HasValue(std::string_view section, std::string_view key) const;
  // The member a bitmap value names, decoded; empty when there is none.
  void LoadBitmap(std::string_view section, std::string_view key, TBitmap& bitmap);
  // The colour-table indexes and direct colours of a definition.
  void ReadColourKeys(std::string_view section, TDataSkinObject& definition);

  const TSkinReader& reader_;
  const TQuickIni& ini_;
  TSkinDefinitions& skin_;
  TMemoryStream work_;
};

}  // namespace hm
