#include "os/headless/machine.h"
#include "os/policy.h"

namespace os {

std::optional<std::string> MachinePolicyText(const std::string& key, const std::string& name) {
    const auto& policies = headless::machine().machinePolicies;
    const auto it = policies.find(key + "\\" + name);
    if (it == policies.end()) return std::nullopt;
    return it->second;
}

}  // namespace os
