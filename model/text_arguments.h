// A translated text's "%1" and "%2" filled in, as QString::arg does for the windows' texts: the
// translation may put them in another order.
#pragma once

#include <string>
#include <string_view>

namespace ovrelan {

// The text with its first "%1" replaced by `first` and its first "%2" by `second`.
std::string with_arguments(std::string text, std::string_view first, std::string_view second = {});

} // namespace ovrelan
