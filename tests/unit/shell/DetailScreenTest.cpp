// The detail screen in a started shell: its look for a demo contact with a picture in both
// shipped themes, a contact deleted by another process while its options are used, a row
// that stands for no stored contact, and a note changed elsewhere while its box is open.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "ShellFixture.h"
#include "contacts/ContactNote.h"
#include "contacts/ContactPictureFile.h"
#include "contacts/SmsContactListItem.h"
#include "platform/Messages.h"
#include "platform/ServiceBackend.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/InputSource.h"
#include "shell/Navigation.h"
#include "shell/Relayout.h"
#include "shell/ScreenSwitch.h"
#include "support/Golden.h"
#include "theme/SettingManager.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/CloseButton.h"
#include "toolkit/TextInputControl.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
namespace ui = platform::ui;
using namespace platform::pim;

// Answers every message box with Escape (No) and counts them.
class AnswerNo : public ui::InputSource {
 public:
  bool Feed(ui::WindowManager& manager) override {
    if (!manager.ModalWindow()) return false;
    ++answered;
    manager.OnKey(VK_ESCAPE);
    return true;
  }
  int answered = 0;
};

class DetailScreenTest : public ShellFixture {
 protected:
  ContactDetailPanel& detail() { return *app().detail_screen; }

  uint32_t AddContact(const std::u16string& file_as) {
    std::string error;
    auto store = PimApplication::Create(&error);
    auto item = store->CreateItem();
    item->SetProps({PropertyValue::Text(prop::kFileAs, file_as),
                    PropertyValue::Text(prop::kMobilePhone, u"+33 6 11 22 33 44")});
    EXPECT_EQ(item->Save(), PimResult::kOk);
    return item->Oid();
  }

  void Show(ContactListItem* row) {
    ASSERT_NE(row, nullptr);
    shell::ShowDetailPanel(hwnd_, row);
    manager_->PumpUntilIdle();
    ASSERT_EQ(VisibleScreens(), "detail");
  }

  // The program's tools and packed themes beside the test binaries; empty when not built.
  static std::string BuildDir() {
    const char* dir = std::getenv("QB_BINARY_DIR");
    return dir ? dir : "";
  }
};

// Each option that reaches the store, used after another process deleted the contact: the
// list screen comes back, nothing is written, and once the list has dropped the row no
// screen or dump reads it.
TEST_F(DetailScreenTest, OptionsOfAContactDeletedElsewhereBringTheListBack) {
  ASSERT_TRUE(platform::UseSimulatedServices());
  std::vector<uint32_t> oids;
  for (char16_t c = u'A'; c <= u'E'; ++c) oids.push_back(AddContact(std::u16string(1, c) + u"nn"));
  StartLoaded();
  AnswerNo answers;
  manager_->SetInputSource(&answers);
  for (size_t option = 0; option < oids.size(); ++option) {
    Show(list().FindContactByObjectId(oids[option]));
    detail().OpenOptionsMenu();
    std::string error;
    ASSERT_EQ(PimApplication::Create(&error)->GetItemFromOid(oids[option])->Delete(),
              PimResult::kOk);
    auto* button = dynamic_cast<Button*>(detail().OptionsMenu().Child(option));
    ASSERT_NE(button, nullptr);
    button->ClickAction()->Execute();
    manager_->PumpUntilIdle();
    EXPECT_EQ(VisibleScreens(), "list") << "option " << option;
    EXPECT_FALSE(detail().OptionsMenuOpen());
    EXPECT_EQ(detail().Contact(), nullptr);
  }
  EXPECT_EQ(answers.answered, 0) << "nothing asked about a contact that is gone";
  for (int i = 0; i < 100 && list().GetItemCount() > 1; ++i) {
    usleep(20000);  // the store reports the deletions from its watcher thread
    manager_->PumpUntilIdle();
  }
  list().ReleaseRetiredRows();
  EXPECT_NE(ui::DumpRegistry::Instance().Write(*manager_).find("\"detail_screen\""),
            std::string::npos);
  manager_->SetInputSource(nullptr);
}

// A row without a stored contact has no options: a tap on its picture offers to create the
// contact instead, and a No changes nothing.
TEST_F(DetailScreenTest, ARowWithoutAStoredContactOffersToCreateOne) {
  StartLoaded();
  SmsContactListItem stranger(u"+4917012345", u"+4917012345", u"Service Message", true, 36);
  Show(&stranger);
  AnswerNo answers;
  manager_->SetInputSource(&answers);
  const RECT& photo = theme::Settings().contact_photo_box;
  Pen(WM_LBUTTONDOWN, photo.left + 2, photo.top + 2);
  Pen(WM_LBUTTONUP, photo.left + 2, photo.top + 2);
  manager_->SetInputSource(nullptr);
  EXPECT_EQ(answers.answered, 1);
  EXPECT_FALSE(detail().OptionsMenuOpen());
  EXPECT_EQ(detail().Contact(), &stranger);
  shell::ShowMainPanel(hwnd_, false);
  manager_->PumpUntilIdle();
}

// The note is written back only when the user changed it: a note changed elsewhere while the
// box was open without typing survives the box closing, and a change noticed while typing
// leaves the box open.
TEST_F(DetailScreenTest, TheNoteIsSavedOnlyWhenChanged) {
  const uint32_t oid = AddContact(u"Ann");
  std::string error;
  auto other_process = PimApplication::Create(&error);
  ASSERT_TRUE(WriteContactNote(*other_process, oid, u"first"));
  StartLoaded();
  Show(list().FindContactByObjectId(oid));
  Action& back = *detail().BackButton().ClickAction();
  detail().ShowNote();
  ASSERT_TRUE(detail().NoteShown());
  EXPECT_EQ(detail().NoteBox().GetText(), u"first");
  ASSERT_TRUE(WriteContactNote(*other_process, oid, u"changed elsewhere"));
  back.Execute();
  manager_->PumpUntilIdle();
  EXPECT_FALSE(detail().NoteShown());
  EXPECT_EQ(VisibleScreens(), "detail");
  EXPECT_EQ(ReadContactNote(*other_process, oid), u"changed elsewhere");

  detail().ShowNote();
  // The change made elsewhere is noticed while the note is open: the list behind the screen
  // takes it without closing the note.
  ui::SendMessage(hwnd_, PIM_ITEM_CHANGED_REMOTE, oid, 0);
  ASSERT_TRUE(detail().NoteShown());
  manager_->OnChar(u'!');
  manager_->PumpUntilIdle();
  back.Execute();
  manager_->PumpUntilIdle();
  EXPECT_EQ(ReadContactNote(*other_process, oid), u"changed elsewhere!");
  EXPECT_EQ(ui::GetFocus(), hwnd_) << "keys reach the screens again";
}

TEST_F(DetailScreenTest, ADemoContactWithAPictureInBothShippedThemes) {
  const std::string build = BuildDir();
  if (build.empty() || access((build + "/qbphone").c_str(), X_OK) != 0) {
    GTEST_SKIP() << "qbphone is not built";
  }
  std::error_code ec;
  fs::create_directories(platform::ProgramDir(), ec);
  for (const char* name : {"Touch.qbt", "Nightfall.qbt"}) {
    const fs::path packed = fs::path(build) / "themes" / name;
    if (!fs::exists(packed)) GTEST_SKIP() << packed << " is not built";
    fs::copy_file(packed, fs::path(platform::ProgramDir()) / name, ec);
  }
  const std::string tool = build + "/qbphone";
  const std::string device = platform::DeviceDir();
  const char* argv[] = {tool.c_str(), "--device", device.c_str(), "seed-demo",
                        "--contacts", "20",       nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, tool.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ),
            0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  StartLoaded();
  ContactListItem* pictured = nullptr;
  for (IListItem* row : list().MasterItems()) {
    auto* contact = dynamic_cast<ContactListItem*>(row);
    if (contact && !ReadContactPictureBytes(*list().Store(), contact->object_id).empty()) {
      pictured = contact;
      break;
    }
  }
  Show(pictured);
  ASSERT_EQ(detail().Picture(), ContactDetailPanel::PictureState::kContact);
  testing_support::ExpectMatchesGolden(*app().back_buffer, "shell", "detail_touch");
  shell::ChangeTheme(u"Nightfall.qbt");
  manager_->PumpUntilIdle();
  testing_support::ExpectMatchesGolden(*app().back_buffer, "shell", "detail_nightfall");
}

}  // namespace
