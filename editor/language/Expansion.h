#pragma once
// The "$(" name ")" expansion shared by the plain and the per-file look-ups.
#include <cstddef>
#include <functional>
#include <string>

constexpr int kExpansionPasses = 1000;
// Keeps two values that refer to each other from growing without bound.
constexpr size_t kExpansionMaxLength = 1 << 20;

// Replaces the first reference, then starts again from the beginning, at most
// kExpansionPasses times. A reference to `key` itself gives "". Nested
// references are not supported: "$(a$(b))" names "a$(b".
std::string ExpandReferences(std::string text, const std::string& key,
                             const std::function<std::string(const std::string&)>& lookup);
