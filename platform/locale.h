// The user's decimal separator, the one place the windows take it from.
#pragma once

namespace ovrelan {

// The decimal separator of the default locale when it is one ASCII character ('.' or ','),
// otherwise a point.
char decimal_separator();

} // namespace ovrelan
