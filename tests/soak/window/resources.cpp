#include "tests/soak/window/resources.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace soak {
namespace {

// An entry of the GDI handle table as Wine lays it out (both bitnesses): the object, the owner,
// a generation, the object's type (0 for a free entry), flags and a user-mode pointer.
struct GdiHandleEntry {
  unsigned long long object;
  unsigned long owner;
  unsigned short unique;
  unsigned char type;
  unsigned char flags;
  unsigned long long user_pointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiHandleCount = 0x10000;
// Where the PEB keeps the table's address.
constexpr std::size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

// One entry of the system handle list (SystemHandleInformation).
struct SystemHandle {
  ULONG process_id;
  UCHAR object_type;
  UCHAR flags;
  USHORT handle;
  PVOID object;
  ACCESS_MASK access;
};
constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

struct WindowCount {
  DWORD process_id;
  long long windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
  ++reinterpret_cast<WindowCount*>(data)->windows;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
  auto& count = *reinterpret_cast<WindowCount*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != count.process_id) return TRUE;
  ++count.windows;
  EnumChildWindows(window, CountChild, data);
  return TRUE;
}

}  // namespace

ResourceReader::ResourceReader(DWORD process_id)
    : process_id_(process_id),
      process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id)) {}

ResourceReader::~ResourceReader() {
  if (process_) CloseHandle(process_);
}

Resources ResourceReader::Read() {
  return Resources{GdiObjects(), UserObjects(), Handles(), PrivateBytes()};
}

long long ResourceReader::GdiObjects() {
  SetLastError(ERROR_SUCCESS);
  const DWORD counted = GetGuiResources(process_, GR_GDIOBJECTS);
  if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
    sources_.gdi_objects = "GetGuiResources";
    return counted;
  }
  sources_.gdi_objects = "live entries of the process's GDI handle table";
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process_, ProcessBasicInformation, &basic, sizeof basic, &length) !=
      0) {
    return -1;
  }
  void* table = nullptr;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_,
                         reinterpret_cast<char*>(basic.PebBaseAddress) + kPebGdiTableOffset, &table,
                         sizeof table, &read) ||
      !table) {
    return -1;
  }
  std::vector<GdiHandleEntry> entries(kGdiHandleCount);
  if (!ReadProcessMemory(process_, table, entries.data(), entries.size() * sizeof entries[0],
                         &read)) {
    return -1;
  }
  long long live = 0;
  for (const GdiHandleEntry& entry : entries) live += entry.type != 0;
  return live;
}

long long ResourceReader::UserObjects() {
  SetLastError(ERROR_SUCCESS);
  const DWORD counted = GetGuiResources(process_, GR_USEROBJECTS);
  if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
    sources_.user_objects = "GetGuiResources";
    return counted;
  }
  sources_.user_objects = "windows of the process";
  WindowCount count{process_id_, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  return count.windows;
}

long long ResourceReader::Handles() {
  DWORD counted = 0;
  if (GetProcessHandleCount(process_, &counted) && counted != 0) {
    sources_.handles = "GetProcessHandleCount";
    return counted;
  }
  sources_.handles = "the process's entries in the system handle list";
  std::vector<char> buffer(1 << 20);
  NTSTATUS status;
  ULONG length = 0;
  while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), &length)) ==
         kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const ULONG entries = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* handles = reinterpret_cast<const SystemHandle*>(buffer.data() + sizeof(void*));
  long long mine = 0;
  for (ULONG i = 0; i < entries; ++i) mine += handles[i].process_id == process_id_;
  return mine;
}

long long ResourceReader::PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    return -1;
  }
  if (counters.PrivateUsage != 0) {
    sources_.private_bytes = "PrivateUsage";
    return static_cast<long long>(counters.PrivateUsage);
  }
  sources_.private_bytes = "PagefileUsage (anonymous resident memory)";
  return static_cast<long long>(counters.PagefileUsage);
}

}  // namespace soak
