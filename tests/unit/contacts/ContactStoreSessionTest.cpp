// The store session: a contact saved or deleted through the session reaches the main window
// as the store's notification message with the contact's object id.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "contacts/ContactStoreSession.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/ui/WindowApi.h"
#include "support/TempDir.h"

namespace {

TEST(ContactStoreSessionTest, StoreChangesArriveAsWindowMessages) {
  testing_support::TempDir device;
  platform::SetDeviceDir(device.path());
  platform::ui::WindowManager manager(platform::ui::WindowManagerOptions{240, 320});
  std::vector<std::pair<UINT, WPARAM>> received;
  platform::ui::HWND main = manager.CreateWindow(
      u"Main", u"main", RECT{0, 0, 240, 320}, true, nullptr,
      [&](platform::ui::HWND, UINT message, WPARAM wparam, LPARAM) -> LRESULT {
        if (message >= PIM_ITEM_CREATED_LOCAL && message <= PIM_ITEM_CHANGED_REMOTE) {
          received.emplace_back(message, wparam);
        }
        return 0;
      });
  auto store = OpenContactStore(main);
  ASSERT_TRUE(store);
  auto item = store->CreateItem();
  ASSERT_EQ(item->Save(), platform::pim::PimResult::kOk);
  ASSERT_EQ(item->Delete(), platform::pim::PimResult::kOk);
  manager.PumpUntilIdle();
  const WPARAM oid = item->Oid();
  EXPECT_EQ(received, (std::vector<std::pair<UINT, WPARAM>>{{PIM_ITEM_CREATED_LOCAL, oid},
                                                            {PIM_ITEM_DELETED_LOCAL, oid}}));
  store->Logoff();
}

}  // namespace
