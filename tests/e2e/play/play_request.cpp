// Plays the counter's typical request on a running quorvane.exe with real key presses and clicks,
// prints each step and what the window shows, saves a picture of the window, and closes it:
//   play_request --quorvane=PATH [--screenshot=PATH.bmp] [--status=PATH]
// Exits with 0 when every value read back is the expected one, and writes that exit code into the
// status file too: started inside Wine's virtual desktop (explorer /desktop=...), which draws the
// window's frame for the picture, its exit code does not reach the caller. scripts/run uses it.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/form.h"
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/screen.h"

namespace e2e {
namespace {

using enum app::Control;

struct Options {
  std::wstring quorvane;
  std::wstring screenshot;
  std::wstring status;
};

int failures = 0;

void Say(const std::string& line) {
  std::fputs(("    " + line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// Waits for the control to show `expected` and prints what it shows.
void ReadBack(const Quorvane& app, app::Control control, std::string_view what,
              std::string_view expected) {
  const std::string seen = app.WaitForText(control, expected);
  const bool right = seen == expected;
  failures += right ? 0 : 1;
  Say(std::string(what) + " (" + NameOf(control) + ") reads \"" + Readable(seen) + "\"" +
      (right ? "" : ", expected \"" + Readable(expected) + "\""));
}

// The window as it shows on the screen, as a 24-bit BMP file.
bool SaveBitmap(HWND window, const std::wstring& path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const Screenshot shot(window);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int row = (width * 3 + 3) / 4 * 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;  // top row first
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(row * height);
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::string pixels(info.biSizeImage, '\0');
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = shot.At(x, y);
      char* pixel = &pixels[static_cast<std::size_t>(y * row + x * 3)];
      pixel[0] = static_cast<char>(GetBValue(colour));
      pixel[1] = static_cast<char>(GetGValue(colour));
      pixel[2] = static_cast<char>(GetRValue(colour));
    }
  }
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

int Play(const Options& options) {
  Say("starting quorvane.exe and waiting for its window");
  auto app = Quorvane::Start({options.quorvane, {}});
  if (!app) {
    Say("the window did not come up");
    return 1;
  }
  Say("1. typing 100 into the sheet count and pressing Enter");
  app->WaitForFocus(编辑框5);
  app->TypeText(L"100");
  app->PressKey(VK_RETURN);
  ReadBack(*app, 编辑框3, "print charge, 100 sheets at 0.60", "60");

  Say("2. clicking \"" + Readable("加入保存1") + "\" to keep the charge in fee slot 1");
  app->Click(按钮3);
  ReadBack(*app, 编辑框8, "fee slot 1", "60");
  ReadBack(*app, 标签9, "its remark", "备注：100X0.60+");

  Say("3. typing 10 as a custom amount and clicking \"" + Readable("总合计") + "\"");
  app->Click(编辑框11);
  app->TypeText(L"10");
  ReadBack(*app, 编辑框11, "custom amount 1", "10");
  app->Click(按钮6);
  ReadBack(*app, 编辑框14, "grand total", "70");

  if (!options.screenshot.empty()) {
    const bool saved = SaveBitmap(app->Main(), options.screenshot);
    failures += saved ? 0 : 1;
    Say(saved ? "4. took a picture of the window" : "4. could not save the picture");
  }
  Say("5. closing the window (the notes are empty, so it closes)");
  app->RequestClose();
  const auto code = app->WaitForExit();
  Say(code ? "quorvane.exe ended with exit code " + std::to_string(*code)
           : std::string("quorvane.exe did not end"));
  if (code != 0) ++failures;
  return failures == 0 ? 0 : 1;
}

bool TakeOption(std::wstring_view argument, std::wstring_view name, std::wstring& value) {
  if (!argument.starts_with(name)) return false;
  value = WindowsPath(argument.substr(name.size()));
  return true;
}

}  // namespace
}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // UTF-8 bytes and "\n" as they are
  e2e::Options options;
  for (int i = 1; i < argc; ++i) {
    if (!e2e::TakeOption(argv[i], L"--quorvane=", options.quorvane) &&
        !e2e::TakeOption(argv[i], L"--screenshot=", options.screenshot) &&
        !e2e::TakeOption(argv[i], L"--status=", options.status)) {
      std::fprintf(stderr, "unknown argument: %ls\n", argv[i]);
      return 2;
    }
  }
  if (options.quorvane.empty()) {
    std::fprintf(stderr,
                 "usage: play_request --quorvane=PATH [--screenshot=PATH.bmp] [--status=PATH]\n");
    return 2;
  }
  const int code = e2e::Play(options);
  if (!options.status.empty()) {
    std::ofstream(std::filesystem::path(options.status), std::ios::binary) << code << "\n";
  }
  return code;
}
