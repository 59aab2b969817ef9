// What a running process holds of the system, read from outside it: GDI objects, USER objects,
// kernel handles and private bytes.
//
// Windows answers GetGuiResources, GetProcessHandleCount and GetProcessMemoryInfo. Wine leaves
// some of them unanswered for another process (GetGuiResources is a stub that fails with
// ERROR_CALL_NOT_IMPLEMENTED; the handle count and PrivateUsage read 0), so each quantity falls
// back to another count of the same thing, and the reader says which one it used:
//   GDI objects   the live entries of the process's GDI handle table (the table its PEB points to)
//   USER objects  the process's windows, top-level and child
//   handles       the process's entries in the system handle list (NtQuerySystemInformation)
//   private bytes PagefileUsage, which Wine fills with the process's anonymous resident memory
#pragma once

#include <windows.h>

#include <string>

namespace soak {

struct Resources {
  long long gdi_objects = 0;
  long long user_objects = 0;
  long long handles = 0;
  long long private_bytes = 0;
};

struct ResourceSources {
  std::string gdi_objects;
  std::string user_objects;
  std::string handles;
  std::string private_bytes;
};

class ResourceReader {
 public:
  explicit ResourceReader(DWORD process_id);
  ResourceReader(const ResourceReader&) = delete;
  ResourceReader& operator=(const ResourceReader&) = delete;
  ~ResourceReader();

  bool Opened() const { return process_ != nullptr; }
  Resources Read();
  // How the last reading got each figure.
  const ResourceSources& Sources() const { return sources_; }

 private:
  long long GdiObjects();
  long long UserObjects();
  long long Handles();
  long long PrivateBytes();

  DWORD process_id_;
  HANDLE process_ = nullptr;
  ResourceSources sources_;
};

}  // namespace soak
