// The download service of the headless build: a real HTTP client (libcurl), so
// the update runs against a real server, on the simulated machine's files.
#include "os/download.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "os/headless/machine.h"

#if defined(ZEV_HAVE_CURL)
#include <curl/curl.h>
#include <mutex>
#endif

namespace os {

#if defined(ZEV_HAVE_CURL)

namespace {

namespace fs = std::filesystem;

struct CurlCleanup {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct HeaderListFree {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Body {
    std::FILE* file;
    std::uint64_t written;
    std::uint64_t maxBytes;
};

// A body without a length header is held to the cap as it arrives.
std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* target) {
    auto& body = *static_cast<Body*>(target);
    const std::size_t bytes = size * count;
    if (body.written + bytes > body.maxBytes) return 0;  // ends the transfer as failed
    body.written += bytes;
    return std::fwrite(data, 1, bytes, body.file);
}

// libcurl's stall limit counts whole seconds.
long secondsOf(unsigned ms) { return static_cast<long>((ms + 999) / 1000); }

bool fetchInto(const std::string& url, const fs::path& target, const DownloadLimits& limits) {
    std::unique_ptr<CURL, CurlCleanup> curl(curl_easy_init());
    if (!curl) return false;
    std::unique_ptr<std::FILE, FileClose> file(std::fopen(target.c_str(), "wb"));
    if (!file) return false;
    Body body{file.get(), 0, limits.maxBytes};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    // A secure address may not be redirected to a plain one.
    const bool secure = url.rfind("https:", 0) == 0;
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, secondsOf(limits.stallTimeoutMs));
    const unsigned deadlineMs = limits.deadlineMs / std::max(1u, headless::machine().downloadDeadlineDivisor);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max(1u, deadlineMs)));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    // Fresh from the server every time, whatever a proxy keeps.
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    std::unique_ptr<curl_slist, HeaderListFree> headerList(headers);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headerList.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    const bool transferred = curl_easy_perform(c) == CURLE_OK;
    return std::fclose(file.release()) == 0 && transferred;
}

}  // namespace

bool DownloadToFile(const std::string& url, const std::string& localPath, const DownloadLimits& limits) {
    initialiseOnce();
    const fs::path target = headless::machine().hostPath(localPath);
    // The body goes to a side file first, so a failed transfer leaves whatever
    // was at the target untouched.
    fs::path partial = target;
    partial += ".partial";
    std::error_code ec;
    if (!fetchInto(url, partial, limits)) {
        fs::remove(partial, ec);
        return false;
    }
    fs::rename(partial, target, ec);
    if (!ec) return true;
    fs::remove(partial, ec);
    return false;
}

#else

bool DownloadToFile(const std::string&, const std::string&, const DownloadLimits&) { return false; }

#endif

}  // namespace os
