#include "emulator/write_log.h"

#include <cstdio>

#include "emulator/host_file.h"

namespace emulator {

std::string EscapeBytes(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\\') {
            text += "\\\\";
        } else if (b == 0x1B) {
            text += "\\e";
        } else if (b >= 0x20 && b < 0x7F) {
            text += c;
        } else {
            text += "\\x";
            text += kHex[b >> 4];
            text += kHex[b & 15];
        }
    }
    return text;
}

std::string FormatLogLine(const LogEntry& entry) {
    char time[32];
    std::snprintf(time,
                  sizeof time,
                  "%llu.%03llu",
                  static_cast<unsigned long long>(entry.atMs / 1000),
                  static_cast<unsigned long long>(entry.atMs % 1000));
    const bool write = entry.kind == LogEntry::Kind::Write;
    // Notes are composed by the emulator with any received bytes already escaped.
    return std::string(time) + " " + EscapeBytes(entry.printer) +
           (write ? " > " + EscapeBytes(entry.text) : " ! " + entry.text);
}

WriteLog::WriteLog(std::string filePath) : m_filePath(std::move(filePath)) {}

void WriteLog::recordWrite(std::uint64_t atMs, std::string_view printer, std::string_view bytes) {
    append({LogEntry::Kind::Write, atMs, std::string(printer), std::string(bytes)});
}

void WriteLog::recordNote(std::uint64_t atMs, std::string_view printer, std::string_view note) {
    append({LogEntry::Kind::Note, atMs, std::string(printer), std::string(note)});
}

std::vector<std::string> WriteLog::writesTo(std::string_view printer) const {
    std::vector<std::string> writes;
    for (const LogEntry& e : m_entries) {
        if (e.kind == LogEntry::Kind::Write && e.printer == printer) writes.push_back(e.text);
    }
    return writes;
}

std::vector<std::string> WriteLog::lines() const {
    std::vector<std::string> out;
    out.reserve(m_entries.size());
    for (const LogEntry& e : m_entries) out.push_back(FormatLogLine(e));
    return out;
}

void WriteLog::append(LogEntry entry) {
    if (!m_filePath.empty()) {
        AppendToHostFile(m_filePath, FormatLogLine(entry) + '\n');
    }
    m_entries.push_back(std::move(entry));
}

}  // namespace emulator
