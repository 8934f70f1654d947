#include "Expansion.h"

std::string ExpandReferences(std::string text, const std::string& key,
                             const std::function<std::string(const std::string&)>& lookup) {
    for (int pass = 0; pass < kExpansionPasses; ++pass) {
        size_t open = text.find("$(");
        if (open == std::string::npos) break;
        size_t close = text.find(')', open + 2);
        // Without a ')' every further pass would find the same "$(".
        if (close == std::string::npos) break;
        std::string name = text.substr(open + 2, close - open - 2);
        std::string value = name == key ? std::string() : lookup(name);
        size_t length = text.size() - (close + 1 - open) + value.size();
        if (length > kExpansionMaxLength) break;
        text.replace(open, close + 1 - open, value);
    }
    return text;
}
