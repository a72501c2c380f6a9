// Resources compiled into the program, found by type and id as the platform finds them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string_view>

namespace {

std::string_view BytesOf(HRSRC resource) {
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
    return data ? std::string_view(data, SizeofResource(nullptr, resource)) : std::string_view();
}

TEST(ResourceLookup, FindsTheDefaultSettingsByNamedTypeAndId) {
    const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(137), L"ini");
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, resource), 3202u);
    EXPECT_TRUE(BytesOf(resource).starts_with("[VIDEO]\r\n"));
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(137), L"INI"), resource)
        << "type names ignore case";
}

TEST(ResourceLookup, AnythingElseIsNotFound) {
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(138), L"ini"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(137), L"bin"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(137), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, L"CONFIG", L"ini"), nullptr) << "no resource has a name";
    EXPECT_EQ(FindResourceW(nullptr, nullptr, L"ini"), nullptr);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    EXPECT_EQ(LockResource(nullptr), nullptr);
}

}  // namespace
