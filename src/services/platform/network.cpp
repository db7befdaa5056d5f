// Connection state and HTTP download.
#include <curl/curl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "files/in_out_error.hpp"
#include "files/temporary_file.hpp"
#include "files/work_dir_lock.hpp"
#include "platform/fetch_into_memory.hpp"
#include "platform/linux_system.hpp"

namespace kulko {
namespace {

using Clock = std::chrono::steady_clock;

// An address that reaches beyond the machine's own link: IPv4 or a
// non-link-local IPv6 address (every interface that is up has an fe80::
// address, network or not).
bool UsableAddress(const sockaddr* address) {
    if (address == nullptr) {
        return false;
    }
    if (address->sa_family == AF_INET) {
        return true;
    }
    if (address->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        return !IN6_IS_ADDR_LINKLOCAL(&v6->sin6_addr);
    }
    return false;
}

// The file (or, without one, the memory) being written and the bounds of
// one transfer.
struct Transfer {
    int fd = -1;
    std::string* memory = nullptr;
    bool overCap = false;
    std::uint64_t written = 0;
    std::uint64_t maxBytes = 0;
    std::chrono::milliseconds stallTimeout{0};
    curl_off_t lastReceived = 0;
    Clock::time_point lastProgress = Clock::now();
};

// Writes the body to the file; returning less than given aborts the transfer.
std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (bytes > transfer.maxBytes - transfer.written) {
        transfer.overCap = true;
        return 0;
    }
    if (transfer.memory != nullptr) {
        transfer.memory->append(data, bytes);
        transfer.written += bytes;
        return bytes;
    }
    std::size_t done = 0;
    while (done < bytes) {
        const ssize_t wrote = ::write(transfer.fd, data + done, bytes - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return 0;
        }
        done += static_cast<std::size_t>(wrote);
    }
    transfer.written += bytes;
    return bytes;
}

// Called often while data flows and about once a second while nothing does:
// gives up when no body byte has come for the stall time-out.
int WatchForStall(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(user);
    const Clock::time_point now = Clock::now();
    if (received != transfer.lastReceived) {
        transfer.lastReceived = received;
        transfer.lastProgress = now;
        return 0;
    }
    return now - transfer.lastProgress > transfer.stallTimeout ? 1 : 0;
}

void InitCurlOnce() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

enum class FetchResult {
    Complete,      // a whole 2xx answer
    Failed,        // no whole 2xx answer, but the server may give one if asked again
    Unresponsive,  // the name was not found, the connection was refused, or the server
                   // did not answer in time: it is not worth waiting on again
};

// Only a server that cannot be reached or does not answer in time is given
// up on. One that closed or reset the connection, answered nothing, or
// answered wrongly may well answer the next request.
FetchResult Classify(CURLcode code) {
    switch (code) {
        case CURLE_OK:
            return FetchResult::Complete;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_ABORTED_BY_CALLBACK:  // only the stall watch aborts
            return FetchResult::Unresponsive;
        default:
            return FetchResult::Failed;
    }
}

// How a fetch ended, for the words that tell a user.
struct FetchDetail {
    CURLcode code = CURLE_OK;
    long status = 0;  // the HTTP status, when an answer came
};

// Runs the fetch into the open file.
FetchResult Fetch(const std::string& url, Transfer& transfer, const DownloadLimits& limits,
                  FetchDetail* detail = nullptr) {
    InitCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        if (detail != nullptr) {
            detail->code = CURLE_FAILED_INIT;
        }
        return FetchResult::Failed;
    }
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "Kulko/" KULKO_VERSION);
    // Error pages (404, 500 ...) end the transfer at once.
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    // No signals: the program's one thread must not be interrupted by
    // curl's alarms; name lookups run in curl's own resolver thread.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    // The connect time-out covers the name lookup, but on cleanup curl would
    // still wait for a lookup that hangs; this leaves that thread behind.
    curl_easy_setopt(handle, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
    // A declared length over the cap is refused before any byte is written;
    // an undeclared one is counted by WriteBody.
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, WatchForStall);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);

    transfer.lastProgress = Clock::now();
    // Any error (time-out, a body shorter than its declared length, a broken
    // chunked body, the cap, a failed write) makes the fetch fail.
    const CURLcode code = curl_easy_perform(handle);
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (detail != nullptr) {
        *detail = {code, status};
    }
    const FetchResult result = Classify(code);
    if (result != FetchResult::Complete) {
        return result;
    }
    return status >= 200 && status <= 299 ? FetchResult::Complete : FetchResult::Failed;
}

// "host:port" of an URL, as the key of the hosts that did not answer.
std::string Authority(const std::string& url) {
    const std::size_t scheme = url.find("://");
    const std::size_t start = scheme == std::string::npos ? 0 : scheme + 3;
    const std::size_t end = url.find_first_of("/?#", start);
    return url.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Why a fetch brought no whole answer, in Polish.
std::string FailureText(const FetchDetail& detail, const Transfer& transfer) {
    if (transfer.overCap || detail.code == CURLE_FILESIZE_EXCEEDED) {
        const std::uint64_t cap = transfer.maxBytes;
        return "odpowiedź serwera ma ponad " +
               (cap >= (1u << 20) ? std::to_string(cap >> 20) + " MB"
                                  : std::to_string(cap >> 10) + " KB") +
               ", więc nie jest listą wyników";
    }
    switch (detail.code) {
        case CURLE_HTTP_RETURNED_ERROR:
            return "serwer odpowiedział kodem " + std::to_string(detail.status) +
                   (detail.status == 404 ? " (nie ma takiej strony)" : "");
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
            return "nie znaleziono serwera o tej nazwie";
        case CURLE_COULDNT_CONNECT:
            return "serwer nie przyjmuje połączeń";
        case CURLE_OPERATION_TIMEDOUT:
            return "serwer nie odpowiedział w wyznaczonym czasie";
        case CURLE_ABORTED_BY_CALLBACK:
            return "serwer przestał przysyłać dane";
        case CURLE_UNSUPPORTED_PROTOCOL:
            return "przekierowanie na adres innego rodzaju niż http:// i https://";
        case CURLE_FAILED_INIT:
            return "nie udało się uruchomić biblioteki libcurl";
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CONNECT_ERROR:
            return "nie udało się sprawdzić połączenia szyfrowanego z serwerem";
        default:
            break;
    }
    if (detail.code == CURLE_OK) {
        return "serwer odpowiedział kodem " + std::to_string(detail.status);
    }
    return std::string("nie udało się pobrać (") + curl_easy_strerror(detail.code) + ")";
}

}  // namespace

MemoryFetch FetchIntoMemory(const std::string& url, const DownloadLimits& limits) {
    MemoryFetch fetched;
    Transfer transfer;
    transfer.memory = &fetched.bytes;
    transfer.maxBytes = limits.maxBytes;
    transfer.stallTimeout = limits.stallTimeout;
    FetchDetail detail;
    if (Fetch(url, transfer, limits, &detail) != FetchResult::Complete) {
        fetched.bytes.clear();
        fetched.error = FailureText(detail, transfer);
    }
    return fetched;
}

int LinuxSystem::ConnectionFlags() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return 0;
    }
    int flags = 0;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        const unsigned state = entry->ifa_flags;
        if ((state & IFF_UP) == 0 || (state & IFF_RUNNING) == 0 || (state & IFF_LOOPBACK) != 0 ||
            !UsableAddress(entry->ifa_addr)) {
            continue;
        }
        // A point-to-point link is what a dial-up modem gives.
        flags |= (state & IFF_POINTOPOINT) != 0 ? kConnectionModem : kConnectionLan;
    }
    ::freeifaddrs(list);
    return flags;
}

std::string LinuxSystem::RunTimeUpdateHost() {
    // Set by whoever starts the program (the launcher passes it on), so a
    // server can be chosen without building the program again.
    const char* host = std::getenv("KULKO_UPDATE_HOST");
    return host != nullptr ? host : "";
}

bool LinuxSystem::Download(const std::string& url, const std::filesystem::path& target) {
    // Start-up fetches twice from the same server; when it could not be
    // reached or stopped answering the first time, the second fetch would
    // only wait out the same time-out again.
    const std::string authority = Authority(url);
    if (unresponsiveHosts_.count(authority) != 0) {
        return false;
    }
    // The body goes to a file of its own beside the target, which replaces
    // the target only once the whole answer is on disk: a failed fetch
    // leaves the target exactly as it was.
    TemporaryFile part(target, 0666);
    if (part.Descriptor() < 0) {
        return false;
    }
    Transfer transfer;
    transfer.fd = part.Descriptor();
    transfer.maxBytes = limits_.maxBytes;
    transfer.stallTimeout = limits_.stallTimeout;
    const FetchResult result = Fetch(url, transfer, limits_);
    if (result == FetchResult::Unresponsive) {
        unresponsiveHosts_.insert(authority);
    }
    if (result != FetchResult::Complete) {
        return false;
    }
    // The target is a file of the working directory: it changes under the
    // directory's lock, like every other.
    try {
        const WorkDirLock lock(DirectoryOf(target));
        return part.ReplaceTarget(target) == 0;
    } catch (const InOutError&) {
        return false;
    }
}

}  // namespace kulko
