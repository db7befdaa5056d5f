// The libcurl functions the download uses, for a program that fetches only
// now and then (the results tool, for an address; the window, for an
// update): libcurl and the thirty libraries it brings take longer to load
// than the tool takes to check a long history, and a good part of the time
// the window takes to come up, so they are loaded on the first call instead
// of at every start. Linked instead of libcurl.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>

namespace {

struct Curl {
    CURLcode (*globalInit)(long) = nullptr;
    CURL* (*easyInit)() = nullptr;
    CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easyPerform)(CURL*) = nullptr;
    CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...) = nullptr;
    void (*easyCleanup)(CURL*) = nullptr;
    const char* (*easyStrerror)(CURLcode) = nullptr;
};

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

// libcurl, loaded once; nothing where it is not installed.
const Curl* Loaded() {
    static const Curl* const curl = []() -> const Curl* {
        static Curl found;
        void* const library = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        const bool complete = library != nullptr &&
                              Find(library, "curl_global_init", found.globalInit) &&
                              Find(library, "curl_easy_init", found.easyInit) &&
                              Find(library, "curl_easy_setopt", found.easySetopt) &&
                              Find(library, "curl_easy_perform", found.easyPerform) &&
                              Find(library, "curl_easy_getinfo", found.easyGetinfo) &&
                              Find(library, "curl_easy_cleanup", found.easyCleanup) &&
                              Find(library, "curl_easy_strerror", found.easyStrerror);
        return complete ? &found : nullptr;
    }();
    return curl;
}

}  // namespace

extern "C" {

CURLcode curl_global_init(long flags) {
    const Curl* const curl = Loaded();
    return curl != nullptr ? curl->globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
    const Curl* const curl = Loaded();
    return curl != nullptr ? curl->easyInit() : nullptr;
}

// An option's value is a long, a pointer, a function or a file offset, told
// apart by the range its number lies in.
CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
    const Curl* const curl = Loaded();
    if (curl == nullptr) {
        return CURLE_FAILED_INIT;
    }
    va_list values;
    va_start(values, option);
    CURLcode result = CURLE_OK;
    if (option < CURLOPTTYPE_OBJECTPOINT) {
        result = curl->easySetopt(handle, option, va_arg(values, long));
    } else if (option < CURLOPTTYPE_FUNCTIONPOINT) {
        result = curl->easySetopt(handle, option, va_arg(values, void*));
    } else if (option < CURLOPTTYPE_OFF_T) {
        result = curl->easySetopt(handle, option, va_arg(values, void (*)()));
    } else if (option < CURLOPTTYPE_BLOB) {
        result = curl->easySetopt(handle, option, va_arg(values, curl_off_t));
    } else {
        result = curl->easySetopt(handle, option, va_arg(values, void*));
    }
    va_end(values);
    return result;
}

CURLcode curl_easy_perform(CURL* handle) {
    return Loaded()->easyPerform(handle);
}

// Every kind of information is written through a pointer.
CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
    va_list values;
    va_start(values, info);
    void* const target = va_arg(values, void*);
    va_end(values);
    return Loaded()->easyGetinfo(handle, info, target);
}

void curl_easy_cleanup(CURL* handle) {
    Loaded()->easyCleanup(handle);
}

const char* curl_easy_strerror(CURLcode code) {
    const Curl* const curl = Loaded();
    return curl != nullptr ? curl->easyStrerror(code) : "libcurl nie jest zainstalowana";
}

}  // extern "C"
