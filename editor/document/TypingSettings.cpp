#include "TypingSettings.h"

#include <cstdlib>

StyleWords ParseStyleWords(const std::string& value) {
    StyleWords result;
    result.style = std::atoi(value.c_str());
    const size_t blank = value.find(' ');
    if (blank != std::string::npos) result.words = value.substr(blank + 1);
    return result;
}
