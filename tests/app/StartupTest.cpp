#include "app/Globals.h"
#include "app/Startup.h"
#include "editor/CodeEditor.h"
#include "platform/Process.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

TEST(Startup, ShowsTheMainWindowAndReturnsZeroWhenTheLastWindowCloses)
{
    QStringList shownTitles;
    QTimer::singleShot(0, [&shownTitles] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                shownTitles << window->windowTitle();
                window->close();
            }
        }
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(shownTitles, QStringList{QStringLiteral("Quillery1.0  By Tamberlo")});
    // The globals stay until the normal end of the process.
    EXPECT_NE(TheEditor, nullptr);
}

// The same path in the test and in the child process it runs.
std::filesystem::path markerPath()
{
    return std::filesystem::path(::testing::TempDir()) / "quillery-normal-end-ran";
}

std::filesystem::path marker;

void markNormalEnd()
{
    std::ofstream(marker) << "ran";
}

TEST(Startup, AFatalErrorEndsAtOnceWithStatus255AndWithoutTheNormalEnd)
{
    marker = markerPath();
    std::filesystem::remove(marker);
    auto endAfterFatalError = [] {
        marker = markerPath();
        platform::registerAtNormalEnd(markNormalEnd);
        // Answers the error's message box as a person would.
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        platform::fatalError("\xc4\xda\xb4\xe6\xb2\xbb\xd7\xe3");  // 内存不足
    };
    EXPECT_EXIT(endAfterFatalError(), ::testing::ExitedWithCode(255), "");
    EXPECT_FALSE(std::filesystem::exists(marker));

    // The same child ending normally does run it, so the marker can tell.
    auto endNormally = [] {
        marker = markerPath();
        platform::registerAtNormalEnd(markNormalEnd);
        std::exit(0);
    };
    EXPECT_EXIT(endNormally(), ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(std::filesystem::exists(marker));
    std::filesystem::remove(marker);
}

}  // namespace
