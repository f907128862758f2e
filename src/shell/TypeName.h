// The class name of an object for dumps and traces, without namespaces
// ("ContactContainerPanel").
#pragma once

#include <string>
#include <typeinfo>

namespace shell {

std::string ShortTypeName(const std::type_info& type);

}  // namespace shell
