// The name lookup of this test program: the C library's, except for one
// reserved name, whose lookup hangs. Defined in the program itself, it takes
// the place of the library's for every caller, libcurl's resolver included.
#include "platform/hanging_resolver.hpp"

#include <dlfcn.h>
#include <netdb.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace kulko::test {
namespace {

std::atomic<bool> released{false};

}  // namespace

void ReleaseHangingLookups() {
    released = true;
}

}  // namespace kulko::test

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** result) {
    if (node != nullptr && std::strcmp(node, kulko::test::kHangingName) == 0) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!kulko::test::released && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return EAI_AGAIN;
    }
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto real = reinterpret_cast<Lookup>(::dlsym(RTLD_NEXT, "getaddrinfo"));
    return real(node, service, hints, result);
}
