// The download service of the headless build: a real HTTP client (libcurl), so
// the update runs against a real server, on the simulated machine's files.
#include "os/download.h"

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

// A stalled server must not hold the program forever, and a runaway body must
// not fill the disk; a driver file is far smaller than this.
constexpr long kConnectTimeoutSeconds = 30;
constexpr long kStallSeconds = 60;
constexpr curl_off_t kMaxBodyBytes = curl_off_t{256} * 1024 * 1024;

struct CurlCleanup {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file)) * size;
}

bool fetchInto(const std::string& url, const fs::path& target) {
    std::unique_ptr<CURL, CurlCleanup> curl(curl_easy_init());
    if (!curl) return false;
    std::unique_ptr<std::FILE, FileClose> file(std::fopen(target.c_str(), "wb"));
    if (!file) return false;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, kMaxBodyBytes);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, file.get());
    const bool transferred = curl_easy_perform(c) == CURLE_OK;
    return std::fclose(file.release()) == 0 && transferred;
}

}  // namespace

bool DownloadToFile(const std::string& url, const std::string& localPath) {
    initialiseOnce();
    const fs::path target = headless::machine().hostPath(localPath);
    // The body goes to a side file first, so a failed transfer leaves whatever
    // was at the target untouched.
    fs::path partial = target;
    partial += ".partial";
    std::error_code ec;
    if (!fetchInto(url, partial)) {
        fs::remove(partial, ec);
        return false;
    }
    fs::rename(partial, target, ec);
    if (!ec) return true;
    fs::remove(partial, ec);
    return false;
}

#else

bool DownloadToFile(const std::string&, const std::string&) { return false; }

#endif

}  // namespace os
