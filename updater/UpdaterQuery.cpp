#include "UpdaterQuery.h"

#include <windows.h>
#include <iphlpapi.h>
#include <wininet.h>
#include <cpuid.h>

#include <vector>

#include "UpdateDialog.h"
#include "UniqueHandle.h"
#include "UpdaterText.h"
#include "resource.h"

namespace vantrel {

namespace {

constexpr char kAgent[] = "Vantrel";
constexpr DWORD kReplyLimit = 512;

// Internet handles close with their own function.
struct InternetHandleTraits {
    using Value = HINTERNET;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static void close(Value h) { ::InternetCloseHandle(h); }
};
using InternetHandle = Unique<InternetHandleTraits>;

}  // namespace

std::string ReadAdapterAddress() {
    ULONG size = 0;
    if (::GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return "";
    std::vector<unsigned char> buffer(size, 0);
    auto* list = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (::GetAdaptersInfo(list, &size) != ERROR_SUCCESS) return "";
    std::vector<AdapterRecord> adapters;
    for (IP_ADAPTER_INFO* a = list; a; a = a->Next) {
        AdapterRecord record;
        record.description = a->Description;
        record.addressLength = a->AddressLength;
        const unsigned copy = a->AddressLength < MAX_ADAPTER_ADDRESS_LENGTH ? a->AddressLength : MAX_ADAPTER_ADDRESS_LENGTH;
        record.address.assign(a->Address, a->Address + copy);
        adapters.push_back(record);
    }
    return AdapterText(adapters);
}

std::string ReadProcessorId() {
    // Leaf 0 cannot fault on this architecture, so no exception guard.
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    __cpuid(0, eax, ebx, ecx, edx);
    return ProcessorText(eax, ebx, ecx, edx);
}

FetchResult FetchReply(const std::string& host, const std::string& path, std::string& reply, unsigned long& detail) {
    reply.clear();
    detail = 0;
    // The failing call's own error, never a zero that would name no reason.
    auto failed = [&detail]() {
        detail = ::GetLastError();
        if (detail == 0) detail = ERROR_INTERNET_INTERNAL_ERROR;
        return FetchResult::kFailed;
    };
    const std::string url = "http://" + host + path;
    if (!::InternetCheckConnectionA(url.c_str(), FLAG_ICC_FORCE_CONNECTION, 0)) return FetchResult::kOffline;
    InternetHandle internet(::InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) return failed();
    InternetHandle connection(::InternetConnectA(internet.get(), host.c_str(), INTERNET_DEFAULT_HTTP_PORT, "anonymous",
                                                 nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return failed();
    const char* accept[] = {"*/*", nullptr};
    InternetHandle request(::HttpOpenRequestA(connection.get(), "GET", path.c_str(), "HTTP/1.0", nullptr, accept,
                                              INTERNET_FLAG_RELOAD, 0));
    if (!request) return failed();
    if (!::HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return failed();
    // An error page is no reply.
    DWORD status = 0, statusSize = sizeof status;
    if (!::HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &statusSize, nullptr))
        return failed();
    if (status != 200) {
        detail = status;
        return FetchResult::kStatus;
    }
    // One read may bring only part of the reply: read until the limit or its end.
    char buffer[kReplyLimit + 1];
    DWORD total = 0;
    while (total < kReplyLimit) {
        DWORD got = 0;
        if (!::InternetReadFile(request.get(), buffer + total, kReplyLimit - total, &got) || got == 0) break;
        total += got;
    }
    reply.assign(buffer, total);
    return FetchResult::kReply;
}

void QueryLatestVersion(UpdaterContext& context, const std::string& host) {
    const std::string path = RequestPath(context.productId, ReadAdapterAddress(), ReadProcessorId());
    std::string text;
    unsigned long detail = 0;
    switch (FetchReply(host, path, text, detail)) {
        case FetchResult::kOffline:
            ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_OFFLINE, MB_OK | MB_ICONERROR);
            return;
        case FetchResult::kFailed:
            // The user who asked is told why; the silent check stays silent.
            if (!context.switches.silent)
                ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_QUERY_FAILED, MB_OK | MB_ICONERROR,
                               SystemErrorText(detail).c_str());
            return;
        case FetchResult::kStatus:
            if (!context.switches.silent)
                ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_QUERY_STATUS, MB_OK | MB_ICONERROR,
                               std::to_string(detail).c_str());
            return;
        case FetchResult::kReply:
            break;
    }
    if (!SplitReply(text, context.reply)) {
        ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_NONE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!ReadPackageVersion(context.reply.packageName, context.package)) {
        if (!context.switches.silent) ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_BAD_REPLY, MB_OK | MB_ICONERROR);
        return;
    }
    if (!IsNewerVersion(context.package, context.installed)) {
        if (!context.switches.silent) ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_NONE, MB_OK);
        return;
    }
    context.mirrors = SplitMirrors(context.reply.mirrorLine);
    ShowUpdateDialog(context);
}

}  // namespace vantrel
