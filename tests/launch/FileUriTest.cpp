// The file URIs a desktop portal answers with, decoded to the folder's exact bytes.
#include <gtest/gtest.h>

#include <ostream>

#include "launch/FileUri.h"

namespace keldra::launch {

namespace {

struct UriCase {
    const char* uri;
    std::optional<std::string> path;
};

void PrintTo(const UriCase& row, std::ostream* out) {
    *out << row.uri;
}

class FileUriTest : public ::testing::TestWithParam<UriCase> {};

TEST_P(FileUriTest, DecodesToTheLocalPathOrNothing) {
    const auto path = LocalPathOfFileUri(GetParam().uri);
    ASSERT_EQ(path.has_value(), GetParam().path.has_value()) << GetParam().uri;
    if (path) {
        EXPECT_EQ(path->native(), *GetParam().path);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Uris, FileUriTest,
    ::testing::Values(UriCase{"file:///games/Keldra", "/games/Keldra"},
                      UriCase{"file://localhost/games/Keldra", "/games/Keldra"},
                      UriCase{"file:///games/K%C3%A4ldra%20Online", "/games/K\xc3\xa4ldra Online"},
                      UriCase{"file:///games/K%e4ldra", "/games/K\xe4ldra"},
                      UriCase{"file:///a%5Cb%0Ac%25", "/a\\b\nc%"},
                      UriCase{"file:///games/Keldra/", "/games/Keldra/"},
                      UriCase{"file:///a%00b", std::nullopt}, UriCase{"file:///a%2", std::nullopt},
                      UriCase{"file:///a%", std::nullopt}, UriCase{"file:///a%zz", std::nullopt},
                      UriCase{"file://elsewhere/games", std::nullopt},
                      UriCase{"file://", std::nullopt}, UriCase{"file:games", std::nullopt},
                      UriCase{"http://localhost/games", std::nullopt}, UriCase{"", std::nullopt}));

}  // namespace

}  // namespace keldra::launch
