// What the frame benchmarks share: the message pump, the engine started
// once, the kolvane skin as the build packed it, and a frame skin attached
// to a shown form.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/stream.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/win32.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/skin_engine.h"
#include "skin/frame/win_skin_form.h"

namespace hm::bench {

inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline void StartSkinEngine() {
  static bool started = false;
  if (started) return;
  Application().Initialize();
  InstallSkinEngine();
  started = true;
}

// Loads the kolvane archive as a form description's SkinStream would.
inline void LoadKolvane(TSkinData& data) {
  TMemoryStream archive;
  archive.LoadFromFile(KOLVANE_ARCHIVE);
  const std::string_view bytes = archive.Bytes();
  TMemoryStream stream;
  const auto size = static_cast<std::int32_t>(bytes.size());
  stream.Write(&size, sizeof size);
  stream.Write(bytes.data(), bytes.size());
  stream.Seek(0, TSeekOrigin::soBeginning);
  data.ReadSkinStream(stream);
}

// A frame skin on the shown `form`, owned by it, started.
inline TWinSkinForm* SkinFrame(TForm& form, TSkinData& data) {
  auto* skin = MakeOwned<TWinSkinForm>(form);
  skin->SetHandle(form.Handle());
  skin->AttachForm(data, form);
  SendMessageW(form.Handle(), WM_SKINSTART, 0, 1000);
  Pump();
  return skin;
}

}  // namespace hm::bench
