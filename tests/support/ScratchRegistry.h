#pragma once
// HKEY_CURRENT_USER redirected to a scratch key for one test, removed after.
// Scratch keys nest: a test's key lives inside its program's, and removing
// it gives the program's back.
#include <windows.h>

#include <string>
#include <utility>

class ScratchRegistry {
public:
    ScratchRegistry() {
        m_name = "Software\\TarnwickTests\\find" + std::to_string(::GetCurrentProcessId());
        ::RegCreateKeyExA(HKEY_CURRENT_USER, m_name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, m_key);
        m_outer = std::exchange(Innermost(), m_key);
    }
    ~ScratchRegistry() {
        Innermost() = m_outer;
        ::RegOverridePredefKey(HKEY_CURRENT_USER, m_outer);
        ::RegCloseKey(m_key);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_name.c_str());
    }
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    std::string Read(const char* subKey, const char* name) const {
        char buffer[300] = {};
        DWORD size = sizeof(buffer) - 1;
        ::RegGetValueA(m_key, subKey, name, RRF_RT_REG_SZ, nullptr, buffer, &size);
        return buffer;
    }
    void Write(const char* subKey, const char* name, const char* value) const {
        HKEY key = nullptr;
        ::RegCreateKeyExA(m_key, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                         static_cast<DWORD>(strlen(value) + 1));
        ::RegCloseKey(key);
    }

private:
    static HKEY& Innermost() {
        static HKEY key = nullptr;
        return key;
    }

    std::string m_name;
    HKEY m_outer = nullptr;
    HKEY m_key = nullptr;
};
