#include "update/run_folder.h"

#include "os/files.h"

namespace update {

std::optional<RunFolder> RunFolder::Create() {
    std::optional<std::string> path = os::CreatePrivateFolder(kPrefix);
    if (!path) return std::nullopt;
    return RunFolder(std::move(*path));
}

RunFolder::RunFolder(RunFolder&& other) noexcept : m_path(std::move(other.m_path)) { other.m_path.clear(); }

RunFolder::~RunFolder() {
    if (!m_path.empty()) os::RemovePrivateFolder(m_path);
}

}  // namespace update
