// The mailto: URI (RFC 6068) of a composition's To text. The system writes To as
// "Name<address>"; a mailto URI carries addresses only, so the address is taken from the
// text inside the last "<...>" that ends it (a name may hold quotes, commas, angle brackets,
// "?", "&", "%" or any script: it never reaches the URI), or from the whole text when it has
// no such part. The address is percent-encoded whole, so none of its characters can add
// header fields or further recipients to the URI.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::mail {

// The address of a To text, trimmed; nullopt when there is no usable address: empty, longer
// than 254 units, holding spaces, control characters, angle brackets or broken UTF-16, or
// without a non-empty local part and domain around its last "@".
std::optional<std::u16string> ExtractMailAddress(std::u16string_view to_text);

// "mailto:" and the encoded address; nullopt when the To text holds no usable address.
std::optional<std::string> MakeMailtoUri(std::u16string_view to_text);

}  // namespace platform::mail
