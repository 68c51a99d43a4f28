#include "platform/FileStatus.h"

#include "platform/TextConverter.h"

#include <cerrno>
#include <string_view>

namespace platform {

namespace {

struct Reason {
    int error;
    std::string_view text;  // UTF-8
};

constexpr Reason Reasons[] = {
    {ENOENT, "找不到该文件或文件夹"},
    {EACCES, "没有访问权限，或文件是只读的"},
    {EPERM, "没有访问权限，或文件是只读的"},
    {EROFS, "磁盘是只读的"},
    {ENOSPC, "磁盘空间不足"},
    {EDQUOT, "超出了磁盘配额"},
    {EIO, "读写磁盘时出错"},
    {EEXIST, "已经有同名的文件或文件夹"},
    {ENOTDIR, "路径中的某一项不是文件夹"},
    {EISDIR, "这是一个文件夹，不是文件"},
    {ENAMETOOLONG, "名称太长"},
    {ENOTEMPTY, "文件夹中还有内容"},
    {EBUSY, "文件正被使用"},
    {ETXTBSY, "文件正被使用"},
    {EINVAL, "名称不合法"},
    {EILSEQ, "名称中有无法识别的字符"},
    {EMFILE, "打开的文件太多"},
    {ENFILE, "打开的文件太多"},
    {ENOMEM, "内存不足"},
    {ELOOP, "符号链接的层次太多"},
    {EFBIG, "文件太大"},
    {ENODEV, "这不是普通文件"},
    {EXDEV, "不能在不同的磁盘之间移动文件"},
    {EAGAIN, "资源暂时不可用，请稍后再试"},
    {EINTR, "操作被中断"},
    {ETIMEDOUT, "操作超时"},
    {ESTALE, "网络上的文件已经失效"},
    {ENXIO, "找不到该设备"},
    {EOVERFLOW, "文件太大"},
    {EOPNOTSUPP, "文件系统不支持该操作"},
    {EBADF, "文件没有正确打开"},
};

std::string gbk(std::string_view utf8)
{
    return gbkFromUtf8(utf8).value_or(std::string());
}

}  // namespace

FileStatus FileStatus::fromErrno()
{
    return FileStatus(errno);
}

std::string FileStatus::reason() const
{
    if (ok())
        return std::string();
    for (const Reason& reason : Reasons) {
        if (reason.error == m_error)
            return gbk(reason.text);
    }
    return gbk("系统错误（错误码 " + std::to_string(m_error) + "）");
}

}  // namespace platform
