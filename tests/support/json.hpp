// Parses test fixture JSON held in a string; a fixture that is not well-formed fails the test
// instead of silently becoming a null document.
#pragma once

#include <gtest/gtest.h>
#include <rapidjson/document.h>

namespace velkor::test {

inline rapidjson::Document Parse(const char* text) {
    rapidjson::Document document;
    document.Parse(text);
    EXPECT_FALSE(document.HasParseError()) << text;
    return document;
}

}  // namespace velkor::test
