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
            if (g_appSettings) g_appSettings->WriteString(kSection, std::to_string(key).c_str(), path.c_str());
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
