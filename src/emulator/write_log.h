// Every write an emulated printer received, as tests and people read it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

// Printable ASCII as it is, "\\" for a backslash, "\e" for ESC and "\xHH" for
// every other byte, so that one write is one line.
std::string EscapeBytes(std::string_view bytes);

struct LogEntry {
    enum class Kind { Write, Note };
    Kind kind = Kind::Write;
    std::uint64_t atMs = 0;  // since the emulator started
    std::string printer;
    std::string text;  // the bytes written, or the note

    friend bool operator==(const LogEntry&, const LogEntry&) = default;
};

// "12.345 A1 > \e%P..." for a write, "12.345 A1 ! ..." for a note.
std::string FormatLogLine(const LogEntry& entry);

class WriteLog {
public:
    // A non-empty `filePath` also gets every line appended as it happens.
    explicit WriteLog(std::string filePath = {});

    void recordWrite(std::uint64_t atMs, std::string_view printer, std::string_view bytes);
    void recordNote(std::uint64_t atMs, std::string_view printer, std::string_view note);

    const std::vector<LogEntry>& entries() const { return m_entries; }
    // The raw bytes of every write to `printer`, in order.
    std::vector<std::string> writesTo(std::string_view printer) const;
    std::vector<std::string> lines() const;
    void clear() { m_entries.clear(); }

private:
    void append(LogEntry entry);

    std::string m_filePath;
    std::vector<LogEntry> m_entries;
};

}  // namespace emulator
