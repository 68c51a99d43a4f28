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

// What the kernel gives for a failed open, read, write, flush, close or rename
// is told in Chinese, never by its number alone or in English.
TEST(FileStatus, HasAChineseReasonForEveryCommonFileError)
{
    const int errors[] = {ENOENT, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EIO, EEXIST, ENOTDIR, EISDIR, ENAMETOOLONG,
                          EBUSY, EINVAL, EMFILE, ENFILE, ENOMEM, ELOOP, EFBIG, EXDEV, EAGAIN, EINTR, ETIMEDOUT, ESTALE,
                          ENXIO, EOVERFLOW, EOPNOTSUPP, EBADF, ENOTEMPTY, ETXTBSY, EILSEQ, ENODEV};
    for (int error : errors) {
        SCOPED_TRACE(error);
        std::optional<std::string> reason = platform::utf8FromGbk(platform::FileStatus(error).reason());
        ASSERT_TRUE(reason.has_value());
        EXPECT_EQ(reason->find_first_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
                  std::string::npos)
            << *reason;
    }
}

}  // namespace
