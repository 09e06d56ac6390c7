#include "model/text_arguments.h"

#include <utility>

namespace ovrelan {

std::string with_arguments(std::string text, std::string_view first, std::string_view second) {
    for (const auto& [mark, value] :
         {std::pair{std::string_view("%1"), first}, std::pair{std::string_view("%2"), second}}) {
        if (const auto at = text.find(mark); at != std::string::npos) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

} // namespace ovrelan
