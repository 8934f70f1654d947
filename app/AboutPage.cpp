#include "AboutPage.h"

#include <mshtmhst.h>
#include <oleauto.h>
#include <urlmon.h>

#include <memory>

#include "UniqueHandle.h"

namespace {

constexpr char kAboutFileName[] = "ABOUT.HTM";

std::wstring Wide(const std::string& text) {
    std::wstring out(text.size() + 1, L'\0');
    int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), (int)text.size(), &out[0], (int)out.size());
    out.resize(n > 0 ? (size_t)n : 0);
    return out;
}

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

// A VARIANT cleared when it goes.
struct OwnedVariant {
    VARIANT value;
    OwnedVariant() { ::VariantInit(&value); }
    ~OwnedVariant() { ::VariantClear(&value); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
};

}  // namespace

bool ShowAboutPage(HWND owner, const std::string& folder, const std::string& version) {
    const std::string page = folder + "\\" + kAboutFileName;
    if (::GetFileAttributesA(page.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    UniqueLibrary library(::LoadLibraryExA("MSHTML.DLL", nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!library) return false;
    auto* show = reinterpret_cast<SHOWHTMLDIALOGFN*>(::GetProcAddress(library.get(), "ShowHTMLDialog"));
    if (!show) return false;

    const std::wstring url = L"file://" + Wide(page);
    IMoniker* rawMoniker = nullptr;
    if (FAILED(::CreateURLMoniker(nullptr, url.c_str(), &rawMoniker)) || !rawMoniker) return false;
    std::unique_ptr<IMoniker, ComReleaser> moniker(rawMoniker);

    OwnedVariant argument;
    argument.value.vt = VT_BSTR;
    argument.value.bstrVal = ::SysAllocString(Wide(version).c_str());
    return SUCCEEDED(show(owner, moniker.get(), &argument.value, nullptr, nullptr));
}
