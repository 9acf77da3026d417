// A small named section in the session's namespace. The window writes it after
// each poll and nobody is woken by a reader, so the window pays nothing for
// the tool's questions. The sequence counter is odd while a write is under way;
// a reader that sees it change copies again.
#include <cstring>
#include <memory>

#include "os/poll_share.h"
#include "os/win32/unique_handle.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {

constexpr wchar_t kSectionName[] = L"Local\\ZevStatusLastPoll";
constexpr int kReadAttempts = 20;

struct Section {
    volatile LONG sequence;
    std::uint32_t pathLength;
    std::uint32_t idLength;
    std::uint64_t tick;
    char devicePath[199];
    char deviceId[511];
};

struct UnmapView {
    void operator()(Section* view) const { ::UnmapViewOfFile(view); }
};
using SectionView = std::unique_ptr<Section, UnmapView>;

struct OpenSection {
    win32::UniqueHandle mapping;
    SectionView view;
};

SectionView Map(HANDLE mapping, DWORD access) {
    return SectionView(static_cast<Section*>(::MapViewOfFile(mapping, access, 0, 0, sizeof(Section))));
}

// Created at the first poll and kept until the process ends. A name that is
// already taken is left alone: that section is not ours to write.
Section* WritableSection() {
    static const OpenSection section = [] {
        OpenSection opened;
        opened.mapping.reset(
            ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Section), kSectionName));
        if (!opened.mapping || ::GetLastError() == ERROR_ALREADY_EXISTS) return OpenSection{};
        opened.view = Map(opened.mapping.get(), FILE_MAP_WRITE);
        return opened;
    }();
    return section.view.get();
}

std::uint32_t CopyCut(char* into, std::size_t room, const std::string& text) {
    const std::size_t length = std::min(room, text.size());
    std::memcpy(into, text.data(), length);
    return static_cast<std::uint32_t>(length);
}

}  // namespace

void SharePoll(const SharedPoll& poll) {
    Section* section = WritableSection();
    if (!section) return;
    ::InterlockedIncrement(&section->sequence);
    section->pathLength = CopyCut(section->devicePath, sizeof(section->devicePath), poll.devicePath);
    section->idLength = CopyCut(section->deviceId, sizeof(section->deviceId), poll.deviceId);
    section->tick = poll.tick;
    ::InterlockedIncrement(&section->sequence);
}

std::optional<SharedPoll> ReadSharedPoll() {
    const win32::UniqueHandle mapping(::OpenFileMappingW(FILE_MAP_READ, FALSE, kSectionName));
    if (!mapping) return std::nullopt;
    const SectionView view = Map(mapping.get(), FILE_MAP_READ);
    if (!view) return std::nullopt;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        const LONG before = view->sequence;
        ::MemoryBarrier();
        Section copy;
        std::memcpy(&copy, view.get(), sizeof(copy));
        ::MemoryBarrier();
        if (before % 2 != 0 || view->sequence != before) {
            ::Sleep(0);
            continue;
        }
        if (before == 0) return std::nullopt;  // no poll yet
        // Another program of the session could have written anything here.
        return SharedPoll{std::string(copy.devicePath, std::min<std::size_t>(copy.pathLength, sizeof(copy.devicePath))),
                          std::string(copy.deviceId, std::min<std::size_t>(copy.idLength, sizeof(copy.deviceId))),
                          copy.tick};
    }
    return std::nullopt;
}

}  // namespace os
