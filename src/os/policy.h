// Settings an administrator makes for every user of the computer: values below
// HKLM\SOFTWARE\Policies, the key Group Policy writes and users cannot.
#pragma once

#include <optional>
#include <string>

namespace os {

// The text value `name` of the policy key `key` (a path below
// SOFTWARE\Policies), or nullopt when it is absent, not text or unreadable.
std::optional<std::string> MachinePolicyText(const std::string& key, const std::string& name);

}  // namespace os
