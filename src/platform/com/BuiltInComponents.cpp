#include "platform/com/BuiltInComponents.h"

#include "platform/sip/BuiltInInputMethods.h"

namespace platform::com {

void InstallBuiltInComponents() {
  sip::InstallBuiltInInputMethods();
}

}  // namespace platform::com
