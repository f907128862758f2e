// Loading a theme archive: reset, open, parse settings.ini, inflate and decode the images it
// names (backgrounds pre-rendered, buttons kept with alpha), close. The goal is a few ms.
#include <benchmark/benchmark.h>
#include <minizip/zip.h>

#include <string>

#include "platform/Paths.h"
#include "platform/Surface.h"
#include "support/TempDir.h"
#include "theme/SettingManager.h"
#include "theme/ThemeLoader.h"

namespace {

std::string PngBytes(int w, int h, COLORREF color) {
  platform::Surface surface(w, h);
  surface.FillRect(RECT{0, 0, w, h / 2}, color);
  testing_support::TempDir dir;
  const std::string path = dir.File("i.png");
  surface.WritePng(path);
  return testing_support::ReadAll(path);
}

void AddMember(zipFile zip, const std::string& name, const std::string& bytes) {
  zip_fileinfo info{};
  zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9);
  zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
  zipCloseFileInZip(zip);
}

void WriteTheme(const std::string& path) {
  std::string settings =
      "background_color=240,240,240\r\ntext_color=10,10,10\r\ncontact_height=40\r\n"
      "index_font=11,bold\r\ncontact_title_box=1,1,239,31\r\n"
      "landscape_contact_height=34\r\ntxt_Back=Back\r\n";
  const char* backgrounds[] = {"background_image_list", "background_image_detail",
                               "sms_background_image", "phone_pad_bg"};
  const char* icons[] = {"favorite_icon", "contact_icon", "sms_icon", "filter_icon", "hide_icon"};
  zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  for (const char* key : backgrounds) {
    settings += std::string(key) + "=bg.png\r\n";
  }
  for (const char* key : icons) settings += std::string(key) + "=" + key + ".png\r\n";
  settings += "large_button_image=button.png\r\nsmall_button_image=button.png\r\n";
  AddMember(zip, "settings.ini", settings);
  AddMember(zip, "bg.png", PngBytes(240, 320, RGB(30, 60, 90)));
  for (const char* key : icons) AddMember(zip, std::string(key) + ".png", PngBytes(48, 40, 255));
  AddMember(zip, "button.png", PngBytes(230, 42, RGB(0, 128, 0)));
  zipClose(zip, nullptr);
}

void BM_LoadThemeArchive(benchmark::State& state) {
  testing_support::TempDir dir;
  platform::SetProgramDir(dir.path());
  WriteTheme(dir.File("Bench.qbt"));
  theme::SettingManager& settings = theme::Settings();
  for (auto _ : state) {
    theme::LoadTheme(u"Bench.qbt", u"portrait_");
    benchmark::DoNotOptimize(settings.background_image_list.get());
  }
  if (!settings.background_image_list || settings.large_button_height != 42) {
    state.SkipWithError("theme did not load");
  }
}
BENCHMARK(BM_LoadThemeArchive)->Unit(benchmark::kMillisecond);

void BM_ParseSettingsText(benchmark::State& state) {
  std::u16string text;
  for (int i = 0; i < 50; ++i) {
    text +=
        u"text_color=1,2,3\r\nportrait_contact_height=40\r\nunknown_key=1\r\n"
        u"contact_title_box=1,1,239,31\r\ntxt_Back=Retour {0}\r\n";
  }
  theme::SettingManager settings;
  for (auto _ : state) settings.ParseSettingsText(nullptr, text, u"portrait_");
  state.SetItemsProcessed(state.iterations() * 250);
}
BENCHMARK(BM_ParseSettingsText);

}  // namespace

BENCHMARK_MAIN();
