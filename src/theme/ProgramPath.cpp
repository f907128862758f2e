// Program-folder path resolution.
#include "theme/ProgramPath.h"

#include "platform/Paths.h"
#include "platform/Text.h"

namespace theme {

std::string MakeProgramPath(std::string_view name) {
  if (name.starts_with('/')) return std::string(name);
  return platform::ProgramDir() + "/" + std::string(name);
}

std::string MakeProgramPath(std::u16string_view name) {
  return MakeProgramPath(std::string_view(platform::ToUtf8(name)));
}

}  // namespace theme
