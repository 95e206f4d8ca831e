// The image sections: each gives a definition only when it has its image.
#include <iterator>
#include <memory>
#include <string>

#include "skin/core/bitmap_effects.h"
#include "skin/core/skin_loader.h"

namespace hm {

namespace {

enum class TSectionKind {
  Plain,        // TDataSkinObject
  SecondImage,  // TDataSkinBorder without Style, a second image
  Progress,     // TDataSkinBorder: Bitmap and Chunk, no colours
  BoxLabel,     // TDataSkinBoxLabel: plain plus the caption plate's place
};

struct TSectionSpec {
  TSectionKind kind;
  const char* secondKey;
  int frames;  // 0: the section's FrameCount key, default 3
};

// By TSkinSection.
constexpr TSectionSpec kSpecs[] = {
    {TSectionKind::Progress, "Chunk", 2},            // Progress
    {TSectionKind::Plain, nullptr, 2},               // GroupBoxEdge
    {TSectionKind::BoxLabel, nullptr, 1},            // GroupBox
    {TSectionKind::Plain, nullptr, 5},               // Toolbars
    {TSectionKind::SecondImage, "Border", 5},        // Tabs
    {TSectionKind::Plain, nullptr, 3},               // StatusBarEdges
    {TSectionKind::SecondImage, "****", 4},          // ComboButton: the second image is the mirrored first
    {TSectionKind::Plain, nullptr, 4},               // SunkEdge
    {TSectionKind::Plain, nullptr, 5},               // ExtraImages
    {TSectionKind::Plain, nullptr, 5},               // Headerbar
    {TSectionKind::Plain, nullptr, 5},               // MenuItem
    {TSectionKind::Plain, nullptr, 1},               // MenuBackground
    {TSectionKind::Plain, nullptr, 23},              // Scrollbar
    {TSectionKind::Plain, nullptr, 4},               // HorzScroll
    {TSectionKind::Plain, nullptr, 4},               // VertScroll
    {TSectionKind::Plain, nullptr, 0},               // HorzScrollThumb
    {TSectionKind::Plain, nullptr, 0},               // VertScrollThumb
    {TSectionKind::Plain, nullptr, 5},               // Trackbar.ThumbHorz
    {TSectionKind::Plain, nullptr, 5},               // Trackbar.ThumbVert
    {TSectionKind::Plain, nullptr, 5},               // Trackbar.ThumbLeft
    {TSectionKind::Plain, nullptr, 5},               // Trackbar.ThumbRight
    {TSectionKind::Plain, nullptr, 5},               // Trackbar.ThumbUp
    {TSectionKind::Plain, nullptr, 5},               // Trackbar.ThumbDown
    {TSectionKind::SecondImage, "GlyphImage", 8},    // UpDown.Horz
    {TSectionKind::SecondImage, "GlyphImage", 8},    // UpDown.Vert
};
static_assert(std::size(kSpecs) == kSkinSectionCount);

std::unique_ptr<TDataSkinObject> NewDefinition(TSectionKind kind, const std::string& name) {
  switch (kind) {
    case TSectionKind::Plain:
      return std::make_unique<TDataSkinObject>(name);
    case TSectionKind::BoxLabel:
      return std::make_unique<TDataSkinBoxLabel>(name);
    case TSectionKind::SecondImage:
    case TSectionKind::Progress:
      break;
  }
  return std::make_unique<TDataSkinBorder>(name);
}

}  // namespace

void TSkinLoader::ReadSection(TSkinSection section) {
  std::unique_ptr<TDataSkinObject>& slot = skin_.Sections[static_cast<std::size_t>(section)];
  // The previous skin's definition goes even when this skin lacks the section.
  slot.reset();
  const TSectionSpec& spec = kSpecs[section];
  const std::string name(SkinSectionName(section));
  const char* imageKey = spec.kind == TSectionKind::Progress ? "Bitmap" : "Image";
  if (!HasValue(name, imageKey)) return;

  std::unique_ptr<TDataSkinObject> definition = NewDefinition(spec.kind, name);
  auto* border = dynamic_cast<TDataSkinBorder*>(definition.get());
  LoadBitmap(name, imageKey, definition->Bitmap);
  if (spec.kind != TSectionKind::SecondImage) definition->Style = Int(name, "Style", 0);
  definition->LeftWidth = Int(name, "LeftWidth", 0);
  definition->RightWidth = Int(name, "RightWidth", 0);
  definition->TopHeight = Int(name, "TopHeight", 0);
  definition->BottomHeight = Int(name, "BottomHeight", 0);
  definition->Trans = Int(name, "Trans", 0);
  definition->Tile = Int(name, "Tile", 0);
  if (border) LoadBitmap(name, spec.secondKey, border->SecondBitmap);
  if (spec.kind != TSectionKind::Progress) {
    ReadColourKeys(name, *definition);
    if (definition->Tile > 1) definition->Tile = 0;
  }
  if (auto* box = dynamic_cast<TDataSkinBoxLabel*>(definition.get())) {
    box->BackgroundAlignment = Int(name, "BackgroundAlignment", 0);
    box->BackgroundLeftShift = Int(name, "BackgroundLeftShift", 0);
    box->BackgroundRightShift = Int(name, "BackgroundRightShift", 0);
  }
  definition->FrameCount = spec.frames != 0 ? spec.frames : Int(name, "FrameCount", 3);
  if (section == ssComboButton && !definition->Bitmap.Empty()) {
    border->SecondBitmap.Assign(definition->Bitmap);
    border->SecondBitmap.ConvertTo24Bit();
    MirrorHorizontal(border->SecondBitmap);
  }
  slot = std::move(definition);
}

}  // namespace hm
