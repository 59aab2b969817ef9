// A stand-in planted as calc.exe in a working folder: if anything starts it, it leaves the file
// "planted-calc-ran" beside itself and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring marker(path, length);
  marker.resize(marker.find_last_of(L'\\') + 1);
  marker += L"planted-calc-ran";
  CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return 0;
}
