// The private folder of one update run: created fresh below the temp folder,
// it receives the version files and the downloaded replacements, and goes away
// with everything in it when the run ends. Nothing found in it can be a
// leftover of another run.
#pragma once

#include <optional>
#include <string>

namespace update {

class RunFolder {
public:
    // nullopt when no folder can be made.
    static std::optional<RunFolder> Create();
    ~RunFolder();
    RunFolder(RunFolder&& other) noexcept;
    RunFolder& operator=(RunFolder&&) = delete;
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::string& path() const { return m_path; }
    // path() + "\" + name
    std::string file(const std::string& name) const { return m_path + "\\" + name; }

    // The name every run folder starts with.
    static constexpr const char* kPrefix = "zev-update";

private:
    explicit RunFolder(std::string path) : m_path(std::move(path)) {}
    std::string m_path;
};

}  // namespace update
