#include "framework/ui/platform/object_instance.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "framework/ui/platform/error_sink.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

struct TObjectInstance::Record {
  Dispatch dispatch;
  void* object;
};

namespace {

// The stub replaces the window handle argument by the record pointer and
// jumps to StubEntry, which therefore receives the record where the system
// passed the window.
LRESULT CALLBACK StubEntry(HWND record, UINT msg, WPARAM wp, LPARAM lp) {
  auto* target = reinterpret_cast<TObjectInstance::Record*>(record);  // put there by the stub
  TMessage message{msg, wp, lp, 0};
  try {
    target->dispatch(target->object, message);
  } catch (...) {
    // No exception may cross the system's frames; the loop goes on.
    HandleWindowProcException();
  }
  return message.Result;
}

#if defined(_M_X64) || defined(__x86_64__)
// mov rcx, imm64 ; mov rax, imm64 ; jmp rax
constexpr std::size_t kStubSize = 22;
void WriteStub(std::uint8_t* at, void* record, void* entry) {
  at[0] = 0x48;
  at[1] = 0xB9;
  std::memcpy(at + 2, &record, 8);
  at[10] = 0x48;
  at[11] = 0xB8;
  std::memcpy(at + 12, &entry, 8);
  at[20] = 0xFF;
  at[21] = 0xE0;
}
#elif defined(_M_IX86) || defined(__i386__)
// mov dword [esp+4], imm32 ; jmp rel32   (stdcall: the window is the first stack argument)
constexpr std::size_t kStubSize = 13;
void WriteStub(std::uint8_t* at, void* record, void* entry) {
  at[0] = 0xC7;
  at[1] = 0x44;
  at[2] = 0x24;
  at[3] = 0x04;
  std::memcpy(at + 4, &record, 4);
  at[8] = 0xE9;
  const std::int32_t rel = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(entry) -
                                                     reinterpret_cast<std::intptr_t>(at + 13));
  std::memcpy(at + 9, &rel, 4);
}
#else
#error "object instances need a stub for this processor"
#endif

constexpr std::size_t kSlotSize = 32;  // a stub rounded up, keeps slots aligned
static_assert(kStubSize <= kSlotSize);

// Pages of stub slots, executable and read-only except while one is written.
// Pages stay for the life of the process; free slots are reused.
class StubPool {
 public:
  std::uint8_t* Take(void* record, void* entry) {
    if (free_.empty()) AddPage();
    std::uint8_t* slot = free_.back();
    free_.pop_back();
    Write(slot, [&] { WriteStub(slot, record, entry); });
    return slot;
  }
  void Give(std::uint8_t* slot) {
    // A stray call into a freed slot traps instead of running a stale target.
    Write(slot, [&] { std::memset(slot, 0xCC, kSlotSize); });
    free_.push_back(slot);
  }

 private:
  template <class F>
  void Write(std::uint8_t* slot, F write) {
    DWORD old = 0;
    if (!VirtualProtect(slot, kSlotSize, PAGE_READWRITE, &old)) RaiseLastWin32Error("VirtualProtect");
    write();
    VirtualProtect(slot, kSlotSize, PAGE_EXECUTE_READ, &old);
    FlushInstructionCache(GetCurrentProcess(), slot, kSlotSize);
  }
  void AddPage() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const std::size_t size = info.dwPageSize;
    auto* page = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!page) RaiseLastWin32Error("VirtualAlloc");
    std::memset(page, 0xCC, size);
    DWORD old = 0;
    VirtualProtect(page, size, PAGE_EXECUTE_READ, &old);
    for (std::size_t off = size; off >= kSlotSize; off -= kSlotSize) free_.push_back(page + off - kSlotSize);
  }

  std::vector<std::uint8_t*> free_;
};

StubPool& Pool() {
  static StubPool pool;
  return pool;
}

}  // namespace

TObjectInstance::TObjectInstance(Dispatch dispatch, void* object)
    : record_(std::make_unique<Record>(Record{dispatch, object})) {
  std::uint8_t* slot = Pool().Take(record_.get(), reinterpret_cast<void*>(&StubEntry));
  proc_ = reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(slot));
}

TObjectInstance::~TObjectInstance() {
  Pool().Give(reinterpret_cast<std::uint8_t*>(reinterpret_cast<void*>(proc_)));
}

}  // namespace hm
