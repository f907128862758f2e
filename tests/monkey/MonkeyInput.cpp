#include "MonkeyInput.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/ui/ScriptHooks.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"

namespace monkey {

namespace {

namespace ui = platform::ui;
using Kind = ui::ScriptCommand::Kind;

constexpr size_t kChunkCommands = 64;
constexpr uint32_t kVkBack = 0x08;
constexpr uint32_t kVkLeft = 0x25;
constexpr uint32_t kVkDown = 0x28;
constexpr uint32_t kVkAction = 0x86;

// Names written by the second process: accents, apostrophes, hyphens and digits, so that
// sorting, separators and letter filters see the awkward cases.
constexpr const char* kNames[] = {"Zoë",     "O'Neil", "Anne-Marie", "Émile", "bob",
                                  "42 Taxi", "Ärzte",  "ünal",       "Ma",    "Mab"};

}  // namespace

MonkeyInput::MonkeyInput(MonkeyOptions options)
    : options_(std::move(options)), rng_(options_.seed) {}

int MonkeyInput::Random(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng_);
}

ui::ScriptCommand MonkeyInput::RandomCommand() {
  ui::ScriptCommand c;
  const int w = options_.screen_width;
  const int h = options_.screen_height;
  // Coordinates reach a little past the screen: edges and outside points are input too.
  auto x = [&] { return Random(-4, std::max(w, h) + 4); };
  auto y = [&] { return Random(-4, std::max(w, h) + 4); };
  const int pick = Random(0, 99);
  if (pick < 30) {
    c.kind = Kind::kTap;
    c.x1 = x();
    c.y1 = y();
  } else if (pick < 45) {  // slow drag
    c.kind = Kind::kDrag;
    c.x1 = x();
    c.y1 = y();
    c.x2 = c.x1 + Random(-20, 20);
    c.y2 = y();
    c.number = static_cast<uint32_t>(Random(100, 800));
  } else if (pick < 55) {  // fling
    c.kind = Kind::kDrag;
    c.x1 = x();
    c.y1 = y();
    c.x2 = c.x1;
    c.y2 = c.y1 + Random(-300, 300);
    c.number = static_cast<uint32_t>(Random(20, 90));
  } else if (pick < 60) {  // long press: down, hold, up
    c.kind = Kind::kDown;
    c.x1 = x();
    c.y1 = y();
  } else if (pick < 70) {
    c.kind = Kind::kKey;
    static constexpr uint32_t kKeys[] = {kVkLeft, kVkLeft + 1, kVkLeft + 2, kVkDown, kVkAction,
                                         kVkBack, '0',         '5',         0x1B};
    c.number = kKeys[Random(0, static_cast<int>(std::size(kKeys)) - 1)];
  } else if (pick < 82) {
    c.kind = Kind::kChar;
    static constexpr char16_t kChars[] = u"amzAZé2379 -'\b";
    c.text = std::u16string(1, kChars[Random(0, static_cast<int>(std::size(kChars)) - 2)]);
  } else if (pick < 97) {
    c.kind = Kind::kWait;
    c.number = static_cast<uint32_t>(Random(0, 1) ? Random(1, 60) : Random(200, 4500));
  } else {
    c.kind = Kind::kRotate;
  }
  return c;
}

void MonkeyInput::AddBarGesture(std::vector<ui::ScriptCommand>& chunk) {
  std::vector<RECT> buttons = options_.icon_bar ? options_.icon_bar() : std::vector<RECT>{};
  ++bar_gestures_;
  if (buttons.size() != 4 && options_.back_to_list) {
    options_.back_to_list();
    buttons = options_.icon_bar();
  }
  if (buttons.size() != 4) {
    ++bar_gestures_missed_;
    return;
  }
  auto command = [](Kind kind, int x, int y, uint32_t number) {
    ui::ScriptCommand c;
    c.kind = kind;
    c.x1 = x;
    c.y1 = y;
    c.number = number;
    return c;
  };
  const auto middle = [](const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  if (Random(0, 4) < 2) {
    const POINT p = middle(buttons[static_cast<size_t>(Random(0, 3))]);
    chunk.push_back(command(Kind::kTap, p.x, p.y, 0));
    return;
  }
  // The symbol pad: as high as the bar, right above it, four symbols across the bar's width.
  const RECT& phone = buttons[3];
  const POINT start = middle(phone);
  const int width = buttons[3].right - buttons[0].left;
  const int symbol = Random(0, 3);
  const int x = buttons[0].left + width * (2 * symbol + 1) / 8;
  const int y = phone.top - (phone.bottom - phone.top) / 2;
  chunk.push_back(command(Kind::kDown, start.x, start.y, 0));
  chunk.push_back(command(Kind::kWait, 0, 0, static_cast<uint32_t>(Random(260, 500))));
  chunk.push_back(command(Kind::kMove, (start.x + x) / 2, (start.y + y) / 2, 0));
  chunk.push_back(command(Kind::kMove, x, y, 0));
  chunk.push_back(command(Kind::kWait, 0, 0, 40));
  chunk.push_back(command(Kind::kUp, x, y, 0));
  // Where the options menu opens (over the list): a few taps there reach its entries, the
  // theme list and About's message box.
  for (int i = Random(1, 4); i > 0; --i) {
    chunk.push_back(command(Kind::kWait, 0, 0, static_cast<uint32_t>(Random(50, 400))));
    chunk.push_back(command(Kind::kTap, Random(0, width - 1), Random(0, phone.bottom), 0));
  }
}

std::vector<ui::ScriptCommand> MonkeyInput::MakeChunk() {
  std::vector<ui::ScriptCommand> chunk;
  while (chunk.size() < kChunkCommands && events_done_ < options_.events) {
    if (Random(0, 39) == 0) {
      AddBarGesture(chunk);
      ++events_done_;
      continue;
    }
    ui::ScriptCommand c = RandomCommand();
    chunk.push_back(c);
    ++events_done_;
    if (c.kind == Kind::kDown) {  // finish the long press
      ui::ScriptCommand hold;
      hold.kind = Kind::kWait;
      hold.number = static_cast<uint32_t>(Random(300, 900));
      ui::ScriptCommand up = c;
      up.kind = Kind::kUp;
      chunk.push_back(hold);
      chunk.push_back(up);
    }
  }
  return chunk;
}

void MonkeyInput::BetweenChunks() {
  const int pick = Random(0, 10);
  if (pick == 0 && !options_.themes.empty() && options_.change_theme) {
    options_.change_theme(options_.themes[Random(0, static_cast<int>(options_.themes.size()) - 1)]);
  } else if (pick <= 2 && options_.store_writer) {
    if (added_oids_.empty() || Random(0, 2) > 0) {
      std::string out = options_.store_writer({"add", kNames[Random(0, 9)]});
      out.erase(std::remove(out.begin(), out.end(), '\n'), out.end());
      if (!out.empty()) added_oids_.push_back(out);
    } else {
      const size_t i = static_cast<size_t>(Random(0, static_cast<int>(added_oids_.size()) - 1));
      options_.store_writer({"delete", added_oids_[i]});
      added_oids_.erase(added_oids_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  } else if (pick == 8) {
    // The filter button's command: the menu opens, goes back from a folder or closes, so that
    // the taps that follow reach its entries, folders and index strip.
    ui::ScriptHooks::Instance().Run("filtermenu", u"");
  } else if (pick == 10) {
    // A conversation: opened for some contact, or what was typed into it sent (the typed
    // characters and taps of the chunks reach its text box and bubbles).
    if (Random(0, 2) > 0) {
      const std::string row = std::to_string(Random(0, 40));
      ui::ScriptHooks::Instance().Run("sms", u"open " + std::u16string(row.begin(), row.end()));
    } else {
      ui::ScriptHooks::Instance().Run("sms", u"send");
    }
  } else if (pick == 9) {
    // Text input: the test text box comes and goes, and the keyboard is switched or turned off,
    // so that the taps, drags and characters around it reach the edit box and the keyboards.
    static constexpr std::pair<const char*, const char16_t*> kHooks[] = {
        {"textbox", u"1023"},
        {"textbox", u"0"},
        {"textbox", u"close"},
        {"sip", u"switch Phone Keypad"},
        {"sip", u"switch Keyboard"},
        {"sip", u"disable"},
        {"sip", u"show"}};
    const auto& [name, arguments] = kHooks[Random(0, static_cast<int>(std::size(kHooks)) - 1)];
    ui::ScriptHooks::Instance().Run(name, arguments);
  }
}

bool MonkeyInput::Feed(ui::WindowManager& manager) {
  if (closing_) return false;
  if (options_.probe) {
    for (std::string& name : options_.probe()) reached_.insert(std::move(name));
  }
  ++feeds_;
  if (runner_ && runner_->Feed(manager)) return true;
  if (runner_ && runner_->Failed()) {
    error_ = runner_->Error();
    closing_ = true;
    manager.OnCloseRequest();
    return false;
  }
  if (events_done_ >= options_.events) {
    closing_ = true;
    manager.OnCloseRequest();
    return false;
  }
  // After the minimise symbol: started again, the program comes back to the front.
  if (ui::HWND main = manager.MainWindow(); main && !ui::IsWindowVisible(main)) {
    manager.BringToFront(main);
  }
  if (runner_) BetweenChunks();
  runner_ = std::make_unique<ui::ScriptRunner>(MakeChunk(), std::string());
  return true;
}

}  // namespace monkey
