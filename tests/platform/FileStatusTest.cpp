#include "platform/FileStatus.h"
#include "platform/TextConverter.h"

#include <cerrno>

#include <gtest/gtest.h>

namespace {

TEST(FileStatus, GivesAReasonInGbkForEveryFailure)
{
    EXPECT_TRUE(platform::FileStatus().ok());
    EXPECT_EQ(platform::FileStatus().reason(), "");

    EXPECT_EQ(platform::utf8FromGbk(platform::FileStatus(ENOSPC).reason()),
              std::optional<std::string>("磁盘空间不足"));
    std::optional<std::string> unknown = platform::utf8FromGbk(platform::FileStatus(4095).reason());
    ASSERT_TRUE(unknown.has_value());
    EXPECT_NE(unknown->find("4095"), std::string::npos) << *unknown;
}

}  // namespace
