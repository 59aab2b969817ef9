// What the executable carries: its own icon at 32 x 32 and 16 x 16, a manifest that asks for the
// common controls 6.0.0.0, and its version.
#include <string>

#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

class Executable : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ProgramsUnderTest().quorvane.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "quorvane.exe cannot be read";
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  std::string Resource(const wchar_t* type, int id) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (!found) return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(data, SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

TEST_F(Executable, CarriesItsIconInBothSizes) {
  for (int size : {32, 16}) {
    HICON icon =
        static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << "no " << size << " x " << size << " icon";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST_F(Executable, AsksForTheCommonControlsSix) {
  const std::string manifest = Resource(MAKEINTRESOURCEW(24), 1);
  ASSERT_FALSE(manifest.empty()) << "no manifest";
  const auto controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
  ASSERT_NE(controls, std::string::npos) << manifest;
  EXPECT_NE(manifest.find("version=\"6.0.0.0\"", controls), std::string::npos) << manifest;
}

TEST_F(Executable, CarriesItsVersion) {
  const std::string version = Resource(MAKEINTRESOURCEW(16), 1);
  ASSERT_GE(version.size(), 40u + sizeof(VS_FIXEDFILEINFO)) << "no version information";
  // VS_VERSIONINFO: a header, the key L"VS_VERSION_INFO", padding, then the fixed part.
  const auto signature = version.find(std::string("\xBD\x04\xEF\xFE", 4));
  ASSERT_NE(signature, std::string::npos) << "no fixed version part";
  VS_FIXEDFILEINFO fixed{};
  version.copy(reinterpret_cast<char*>(&fixed), sizeof fixed, signature);
  EXPECT_EQ(HIWORD(fixed.dwFileVersionMS), 1u);
  EXPECT_EQ(LOWORD(fixed.dwFileVersionMS), 2u);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
}  // namespace e2e
