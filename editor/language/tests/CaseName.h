#pragma once
// Readable gtest names for table rows: the row's name with every other byte as '_'.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name + "_" + std::to_string(info.index);
    }
};
