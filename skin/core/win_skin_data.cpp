#include "skin/core/win_skin_data.h"

#include "framework/core/exception.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "framework/ui/graphics/colors.h"
#include "skin/core/quick_ini.h"
#include "skin/core/skin3rd_defaults.h"
#include "skin/core/skin_loader.h"
#include "skin/core/skin_reader.h"

namespace hm {

HM_PUBLISH(TSkinData) {
  p.Prop("Active", &TSkinData::Active, &TSkinData::SetActive);
  p.Prop("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag);
  p.Prop("SkinControls", &TSkinData::SkinControls, &TSkinData::SetSkinControls);
  p.Prop("Skin3rd", &TSkinData::Skin3rd);
  p.Prop("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile);
  // Both read back their own value whatever a form stored.
  p.Prop("SkinStore", &TSkinData::SkinStore, [](TSkinData&, const std::string&) {});
  p.Prop("SkinFormtype", &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype);
  p.Prop("Version", &TSkinData::Version, [](TSkinData&, const std::string&) {});
  p.Prop("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate);
  p.Event("OnFormSkin", &TSkinData::OnFormSkin);
  p.Event("OnSkinChanged", &TSkinData::OnSkinChanged);
  p.Event("OnSkinControl", &TSkinData::OnSkinControl);
  p.Binary("SkinStream", &TSkinData::ReadSkinStream, &TSkinData::WriteSkinStream, &TSkinData::HasSkinStream);
}

namespace {

constexpr int kGlyphSize = 16;

std::int32_t ReadInt32(TStream& stream) {
  std::uint8_t b[4];
  stream.ReadBuffer(b, 4);
  return static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

void WriteInt32(TStream& stream, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  stream.WriteBuffer(b, 4);
}

void ShowSkinMessage(const std::string& text) { ShowMessageBox(text, Application().Title(), MB_OK); }

}  // namespace

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      skin3rd_(std::make_unique<TStringList>()),
      glyphs_(MakeRoot<TImageList>()),
      cache_(std::make_unique<TBitmap>()) {
  for (const char* line : DefaultSkin3rdLines()) skin3rd_->Add(line);
  LoadSystemMenuGlyphs();
}


void TSkinData::LoadSystemMenuGlyphs() {
  glyphs_->SetWidth(kGlyphSize);
  glyphs_->SetHeight(kGlyphSize);
  try {
    TBitmap strip;
    strip.LoadFromResourceName("SYSMENUGLYPHS");
    glyphs_->Add(strip, clWhite);
  } catch (const Exception&) {
    // A program without the resource has no glyphs; the system menu then
    // shows none.
  }
}


void TSkinData::SetSkinFile(const std::string& path) {
  skinFile_ = path;
  skinNotLoaded_ = true;
  if (Designing()) {
    if (!path.empty() && store_.Size() > 0) store_.Clear();
    return;
  }
  TMemoryStream file;
  try {
    file.LoadFromFile(path);
  } catch (const Exception&) {
    return;  // no such file (or none we can read): nothing else changes
  }
  store_.Clear();
  store_.LoadFromStream(file);
  LoadSkin();
  if (formType_ == sfMainform) ApplySkin();
}

std::string TSkinData::SkinStore() const { return Designing() && !store_.Bytes().empty() ? "(Good)" : "(none)"; }

void TSkinData::ReadSkinStream(TStream& stream) {
  const std::int32_t size = ReadInt32(stream);
  if (size <= 0) return;  // keeps whatever archive is stored
  // Checked first, so a damaged length cannot ask for gigabytes.
  if (stream.Size() - stream.Position() < size) throw EReadError("Stream read error");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  stream.ReadBuffer(bytes.data(), size);
  store_.Clear();
  store_.WriteBuffer(bytes.data(), size);
  if (!Designing()) LoadSkin();
}

void TSkinData::WriteSkinStream(TStream& stream) const {
  const std::string_view bytes = store_.Bytes();
  WriteInt32(stream, static_cast<std::int32_t>(bytes.size()));
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

bool TSkinData::LoadSkin() {
  skinNotLoaded_ = true;
  if (Designing()) return false;
  TSkinReader reader;
  reader.OnMessage = ShowSkinMessage;
  if (!reader.Load(store_)) return false;

  TMemoryStream work;
  std::string iniName;
  reader.FindMemberContaining(".ini", work, iniName);
  work.SetPosition(0);
  TQuickIni ini;
  ini.Load(work);
  TSkinLoader(reader, ini, skin_).Run();
  buttonFaceBrush_.reset(CreateSolidBrush(ColorToRGB(skin_.Colours.ButtonFaceColor)));

  skinNotLoaded_ = false;
  return true;
}


void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}


const TDataSkinBorder* TSkinData::BorderSection(TSkinSection section) const {
  return dynamic_cast<const TDataSkinBorder*>(Section(section));
}

const TDataSkinBoxLabel* TSkinData::GroupBox() const {
  return dynamic_cast<const TDataSkinBoxLabel*>(Section(ssGroupBox));
}

}  // namespace hm
