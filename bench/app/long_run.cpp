// The real main window beside the real Code.BM, driven for a long time:
// N lookups of each kind from their buttons and N page switches, each one
// painted. Prints the process's GDI and USER objects and private bytes
// before, after a warm-up and at the end; fails when the handle counts grew
// or the private bytes grew by more than the allowance.
//
//   long_run.exe [N]        (default 10000; run with scripts/wine-run)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/program.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "framework/ui/platform/win32.h"
#include "tests/framework/ui/gui_objects.h"

#include <psapi.h>

namespace {

using namespace hm;
using Clock = std::chrono::steady_clock;

// Heap growth a long run may show without counting as a leak: the engine's
// page cache and the allocator's free lists settle during the first rounds.
constexpr std::int64_t kPrivateBytesAllowance = 2 * 1024 * 1024;

struct Figures {
  int gdi = 0;
  int user = 0;
  std::int64_t privateBytes = 0;
};

// Committed private memory, summed over the address space: Wine leaves
// PrivateUsage at 0, and on Windows the sum is the same figure.
std::int64_t CommittedPrivateBytes() {
  std::int64_t total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (auto* at = static_cast<const char*>(nullptr);
       VirtualQuery(at, &region, sizeof region) == sizeof region; at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += static_cast<std::int64_t>(region.RegionSize);
    if (region.RegionSize == 0) break;
  }
  return total;
}

Figures Measure() {
  Figures f;
  f.gdi = test::CountGdiObjects();
  f.user = test::CountUserObjects();
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof memory)) {
    f.privateBytes = static_cast<std::int64_t>(memory.PrivateUsage);
  }
  if (f.privateBytes == 0) f.privateBytes = CommittedPrivateBytes();
  return f;
}

void Print(const char* when, const Figures& f) {
  std::printf("%-12s GDI objects %5d   USER objects %5d   private bytes %10lld\n", when, f.gdi, f.user,
              static_cast<long long>(f.privateBytes));
  std::fflush(stdout);
}

class Driver {
 public:
  explicit Driver(TFrmMain& form) : form_(form) {}

  void Settle() {
    Application().ProcessMessages();
    UpdateWindow(form_.Handle());
  }
  void Click(TBitBtn& button) {
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    Settle();
  }
  void Show(TTabSheet& page) {
    form_.PageControl1->SetActivePage(&page);
    Settle();
  }

  void AreaSearch(int i) {
    static const char* const texts[] = {"0755", "010", "杭州", "3100", "广东", "0571", "山西", "8430"};
    static const char* const columns[] = {"区号", "县/市名", "县/市名", "邮编", "省份", "区号", "省份", "邮编"};
    const int k = i % 8;
    form_.DBComboBoxEh1->SetText(columns[k]);
    form_.DBEditEh2->SetText(texts[k]);
    Click(*form_.BitBtn1);
  }
  void MobileLookup() {
    form_.DBEditEh1->SetText(std::to_string(13000000000LL + static_cast<long long>(Next() % 7000000000ULL)));
    Click(*form_.BitBtn2);
  }
  void IdLookup() {
    static const char* const regions[] = {"110101", "110103", "310104", "440305", "330106", "510107", "999999"};
    form_.DBEditEh3->SetText(std::string(regions[Next() % 7]) + "19800101123X");
    Click(*form_.BitBtn3);
  }

  // Each kind on its own page, then the page switches.
  void Round(int n) {
    Show(*form_.TabSheet1);
    for (int i = 0; i < n; ++i) AreaSearch(i);
    Show(*form_.TabSheet2);
    for (int i = 0; i < n; ++i) MobileLookup();
    Show(*form_.TabSheet3);
    for (int i = 0; i < n; ++i) IdLookup();
    TTabSheet* const pages[] = {form_.TabSheet1, form_.TabSheet2, form_.TabSheet3};
    for (int i = 0; i < n; ++i) Show(*pages[i % 3]);
  }

 private:
  std::uint64_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return state_ >> 17;
  }

  TFrmMain& form_;
  std::uint64_t state_ = 24;
};

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 10000;
  if (n <= 0) {
    std::fprintf(stderr, "usage: long_run [COUNT]\n");
    return 2;
  }
  MessageBoxCapture boxes;  // any box is a failure, and none may block the run
  Application().SetTitle(kApplicationTitle);
  Owned<TFrmMain> form = MakeForm<TFrmMain>();
  form->Show();
  Driver driver(*form);
  driver.Settle();
  if (!form->ADOConnection1->Connected()) {
    std::fprintf(stderr, "the database beside the program did not open\n");
    return 2;
  }
  Print("shown", Measure());

  driver.Round(100);  // warm-up: caches, fonts, skin bitmaps
  const Figures start = Measure();
  Print("start", start);

  const auto begun = Clock::now();
  driver.Round(n);
  const double seconds = std::chrono::duration<double>(Clock::now() - begun).count();
  const Figures end = Measure();
  Print("end", end);
  std::printf("%d area searches, %d mobile lookups, %d ID lookups, %d page switches in %.1f s\n", n, n, n, n,
              seconds);

  bool ok = true;
  if (!boxes.Boxes().empty()) {
    std::printf("FAIL %zu message boxes, the first: %s\n", boxes.Boxes().size(), boxes.Boxes()[0].text.c_str());
    ok = false;
  }
  if (end.gdi > start.gdi || end.user > start.user) {
    std::printf("FAIL GDI or USER objects grew by %d / %d\n", end.gdi - start.gdi, end.user - start.user);
    ok = false;
  }
  if (end.privateBytes - start.privateBytes > kPrivateBytesAllowance) {
    std::printf("FAIL private bytes grew by %lld\n", static_cast<long long>(end.privateBytes - start.privateBytes));
    ok = false;
  }
  std::printf("%s\n", ok ? "flat" : "NOT flat");
  return ok ? 0 : 1;
}
