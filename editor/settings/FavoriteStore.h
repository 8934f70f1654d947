#pragma once
// The favourite folders of the "FAVORITE" section: keys "1" to "100", each
// a folder's parsing name. The explorer pane adds to it; the options
// dialog's favourites page reads and rewrites it.
#include <functional>
#include <string>
#include <vector>

class CAppSettings;

class FavoriteStore {
public:
    static constexpr int kMaxFavorites = 100;

    using ReadKey = std::function<std::string(int key)>;
    // An empty path removes the key.
    using WriteKey = std::function<void(int key, const std::string& path)>;
    FavoriteStore(ReadKey read, WriteKey write) : m_read(std::move(read)), m_write(std::move(write)) {}
    // Over the settings' "FAVORITE" section.
    static FavoriteStore FromSettings();
    static FavoriteStore Over(const CAppSettings& settings);

    enum class AddResult { Added, Replaced, Duplicate, Invalid };
    // An empty path is Invalid and a path already stored (anywhere, holes
    // included) a Duplicate: nothing is written. Otherwise the first empty
    // key takes it, or key 100 when all are taken (Replaced).
    AddResult Add(const std::string& path) const;
    // The stored folders from key 1 up to the first empty key.
    std::vector<std::string> List() const;
    // The folders under "1" to "N" in order and no key after them; an
    // empty path in the list is left out rather than ending it early.
    void Replace(const std::vector<std::string>& paths) const;
    std::string At(int key) const { return m_read(key); }

private:
    ReadKey m_read;
    WriteKey m_write;
};
