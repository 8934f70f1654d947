#include "FavoriteStore.h"

#include "AppSettings.h"
#include "Globals.h"

namespace {

constexpr char kSection[] = "FAVORITE";

}  // namespace

FavoriteStore FavoriteStore::FromSettings() {
    return FavoriteStore(
        [](int key) {
            return g_appSettings ? g_appSettings->ReadString(kSection, std::to_string(key).c_str(), "")
                                 : std::string();
        },
        [](int key, const std::string& path) {
            if (g_appSettings)
                g_appSettings->WriteString(kSection, std::to_string(key).c_str(), path.empty() ? nullptr : path.c_str());
        });
}

FavoriteStore FavoriteStore::Over(const CAppSettings& settings) {
    return FavoriteStore(
        [&settings](int key) { return settings.ReadString(kSection, std::to_string(key).c_str(), ""); },
        [&settings](int key, const std::string& path) {
            settings.WriteString(kSection, std::to_string(key).c_str(), path.empty() ? nullptr : path.c_str());
        });
}

FavoriteStore::AddResult FavoriteStore::Add(const std::string& path) const {
    if (path.empty()) return AddResult::Invalid;
    int firstEmpty = 0;
    for (int key = 1; key <= kMaxFavorites; ++key) {
        const std::string stored = m_read(key);
        if (stored.empty()) {
            if (!firstEmpty) firstEmpty = key;
        } else if (stored == path) {
            return AddResult::Duplicate;
        }
    }
    m_write(firstEmpty ? firstEmpty : kMaxFavorites, path);
    return firstEmpty ? AddResult::Added : AddResult::Replaced;
}

std::vector<std::string> FavoriteStore::List() const {
    std::vector<std::string> list;
    for (int key = 1; key <= kMaxFavorites; ++key) {
        std::string stored = m_read(key);
        if (stored.empty()) break;
        list.push_back(std::move(stored));
    }
    return list;
}

void FavoriteStore::Replace(const std::vector<std::string>& paths) const {
    int key = 0;
    for (const std::string& path : paths)
        if (!path.empty() && key < kMaxFavorites) m_write(++key, path);
    // Keys past the list, holes included, go.
    for (int rest = key + 1; rest <= kMaxFavorites; ++rest)
        if (!m_read(rest).empty()) m_write(rest, std::string());
}
