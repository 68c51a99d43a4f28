#include "platform/Process.h"

#include "platform/TextConverter.h"
#include "platform/Win32.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

QtMessageHandler previousMessageHandler = nullptr;

[[noreturn]] void showFatalError(const QString& text)
{
    std::fprintf(stderr, "Quillery: %s\n", text.toUtf8().constData());
    if (qApp != nullptr) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillery"), text, QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QString::fromUtf8("确定"));
        box.exec();
    }
    std::_Exit(-1);
}

void onOutOfMemory()
{
    std::set_new_handler(nullptr);
    try {
        showFatalError(QString::fromUtf8("内存不足，程序无法继续运行。"));
    } catch (...) {
        std::_Exit(-1);
    }
}

// Qt's own fatal errors (no display to open, say) end the process the way
// every other fatal error does.
void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Quillery: %s\n", message.toUtf8().constData());
        std::_Exit(-1);
    }
    if (previousMessageHandler != nullptr)
        previousMessageHandler(type, context, message);
}

std::string executablePath()
{
    std::string path(256, '\0');
    for (;;) {
        ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            return std::string();
        if (static_cast<size_t>(length) < path.size()) {
            path.resize(static_cast<size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

struct ProgramDirectory {
    std::string onDisk;
    std::string gbk;
};

ProgramDirectory findProgramDirectory()
{
    std::string executable = executablePath();
    size_t slash = executable.find_last_of('/');
    if (slash == std::string::npos)
        showFatalError(QString::fromUtf8("找不到程序所在的文件夹。"));
    // An executable in "/" has the empty text as its directory: paths then begin with "/".
    std::string onDisk = executable.substr(0, slash);
    std::optional<std::string> gbk = gbkFromUtf8(onDisk);
    if (!gbk)
        showFatalError(QString::fromUtf8("程序无法启动：所在文件夹的路径中有无法用GBK表示的字符（%1）")
                           .arg(QString::fromUtf8(onDisk)));
    return {std::move(onDisk), std::move(*gbk)};
}

const ProgramDirectory& programDirectory()
{
    static const ProgramDirectory directory = findProgramDirectory();
    return directory;
}

struct NormalEnd {
    std::vector<void (*)()> routines;
    std::vector<HMODULE> libraries;
};

// Never destroyed: the end of the process is when it is used.
NormalEnd& normalEnd()
{
    static NormalEnd* const end = new NormalEnd;
    return *end;
}

// The newest routine first, as the process's own end runs them; the libraries
// last, since a routine may still use what they hold.
void runNormalEnd()
{
    NormalEnd& end = normalEnd();
    for (auto routine = end.routines.rbegin(); routine != end.routines.rend(); ++routine)
        (*routine)();
    for (HMODULE library : end.libraries)
        FreeLibrary(library);
}

NormalEnd& registeredNormalEnd()
{
    static const bool registered = std::atexit(runNormalEnd) == 0;
    if (!registered)
        showFatalError(QString::fromUtf8("内存不足，程序无法继续运行。"));
    return normalEnd();
}

}  // namespace

int runPlatform(int argc, char** argv, int (*program)())
{
    previousMessageHandler = qInstallMessageHandler(onQtMessage);
    std::set_new_handler(onOutOfMemory);
    QApplication application(argc, argv);
    const std::string& directory = programDirectory().onDisk;
    if (::chdir(directory.empty() ? "/" : directory.c_str()) != 0)
        showFatalError(QString::fromUtf8("无法进入程序所在的文件夹：%1").arg(QString::fromUtf8(directory)));
    return program();
}

const std::string& programDirectoryPath()
{
    return programDirectory().gbk;
}

void registerAtNormalEnd(void (*routine)())
{
    registeredNormalEnd().routines.push_back(routine);
}

void releaseAtNormalEnd(HMODULE library)
{
    registeredNormalEnd().libraries.push_back(library);
}

void runMessageLoop()
{
    QApplication::exec();
}

void fatalError(std::string_view gbkText)
{
    std::optional<std::string> utf8 = utf8FromGbk(gbkText);
    showFatalError(utf8 ? QString::fromUtf8(*utf8) : QString::fromLatin1(gbkText.data(), gbkText.size()));
}

}  // namespace platform
