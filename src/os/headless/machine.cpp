#include "os/headless/machine.h"

#include <cctype>
#include <stdexcept>

namespace os::headless {

namespace {
Machine* g_machine = nullptr;

bool isAbsoluteWithDrive(const std::string& p) {
    return p.size() >= 3 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':' &&
           (p[2] == '\\' || p[2] == '/');
}
}  // namespace

Machine::Machine(std::filesystem::path root) : m_root(std::move(root)) {
    std::filesystem::create_directories(m_root / "C");
}

std::filesystem::path Machine::hostPath(const std::string& windowsPath) const {
    std::string full = windowsPath;
    if (!isAbsoluteWithDrive(full)) {
        if (!full.empty() && (full[0] == '\\' || full[0] == '/'))
            full = currentDirectory.substr(0, 2) + full;
        else
            full = currentDirectory + "\\" + full;
    }
    std::filesystem::path host = m_root;
    host /= std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(full[0]))));
    std::string part;
    for (std::size_t i = 3; i <= full.size(); ++i) {
        if (i == full.size() || full[i] == '\\' || full[i] == '/') {
            if (!part.empty() && part != ".") host /= part;
            part.clear();
        } else {
            part.push_back(full[i]);
        }
    }
    return host;
}

bool Machine::fails(const std::string& operation, const std::string& path) const {
    if (fileFault && fileFault(operation, path)) return true;
    if (elevated || operation == "read") return false;
    const std::string host = hostPath(path).string();
    for (const std::filesystem::path& folder : adminOnlyFolders) {
        if (host.starts_with(folder.string() + "/")) return true;
    }
    return false;
}

Machine& machine() {
    if (!g_machine) throw std::logic_error("no headless machine is installed");
    return *g_machine;
}

void setMachine(Machine* m) { g_machine = m; }

}  // namespace os::headless
