// The maker's addresses the program links to.
#pragma once

#include <string_view>

namespace app {

inline constexpr std::string_view kGermanHomepage = "https://www.brenlato.example/de/";
inline constexpr std::string_view kEnglishHomepage = "https://www.brenlato.example/en/";
inline constexpr std::string_view kSupportAddress = "support@brenlato.example";

}  // namespace app
