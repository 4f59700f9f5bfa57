#include "windows/browseremulation.h"

#include "core/browserpane.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kFeatureKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

// The major version the control's setup records: "svcVersion" from version
// 10 on, "Version" before ("9.11..." stands for 11 there).
int recordedMajorVersion()
{
    for (const wchar_t *name : {L"svcVersion", L"Version"}) {
        wchar_t text[64] = {};
        DWORD size = sizeof text - sizeof text[0];
        if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Internet Explorer", name, RRF_RT_REG_SZ, nullptr,
                         text, &size) == ERROR_SUCCESS) {
            const int major = _wtoi(text);
            if (major > 0)
                return major;
        }
    }
    return 0;
}

// The major version of the control's document engine, from the system's own
// copy of its library (the one the control loads, also for a 32-bit program
// on 64-bit Windows); 0 when it cannot be read. For a system whose setup
// recorded nothing.
int libraryMajorVersion()
{
    wchar_t directory[MAX_PATH];
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    const std::wstring path = std::wstring(directory, length) + L"\\mshtml.dll";
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return 0;
    std::vector<unsigned char> data(size);
    VS_FIXEDFILEINFO *info = nullptr;
    UINT infoSize = 0;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void **>(&info), &infoSize) || !info ||
        infoSize < sizeof *info)
        return 0;
    return static_cast<int>(HIWORD(info->dwFileVersionMS));
}

std::wstring executableName()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool alreadySet(const std::wstring &name, DWORD wanted)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kFeatureKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const bool same = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&value), &size) ==
                          ERROR_SUCCESS &&
                      type == REG_DWORD && size == sizeof value && value == wanted;
    RegCloseKey(key);
    return same;
}

} // namespace

void chooseBrowserEmulation()
{
    static bool chosen = false;
    if (chosen)
        return;
    chosen = true;
    // The setup's record first: Wine's library carries a version of its own
    // (6.0) whatever version its setup records.
    const int recorded = recordedMajorVersion();
    const DWORD wanted = browserEmulation(recorded ? recorded : libraryMajorVersion());
    const std::wstring name = executableName();
    if (wanted == 0 || name.empty() || alreadySet(name, wanted))
        return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kFeatureKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&wanted), sizeof wanted);
    RegCloseKey(key);
}
