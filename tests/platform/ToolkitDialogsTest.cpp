// Message boxes and the input dialog, answered as a person answers them, and
// the clipboard.

#include "ToolkitFixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using platform::MessageBoxAnswer;

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// From left to right, as they are shown.
std::vector<QString> buttonTexts(const QMessageBox& box)
{
    QList<QAbstractButton*> buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end(),
        [](const QAbstractButton* left, const QAbstractButton* right) { return left->x() < right->x(); });
    std::vector<QString> texts;
    for (const QAbstractButton* button : buttons)
        texts.push_back(button->text());
    return texts;
}

struct ButtonSetCase {
    UINT flags;
    std::vector<QString> texts;
    std::vector<MessageBoxAnswer> answers;
    // What Esc and closing answer; none where they leave the box open.
    std::optional<MessageBoxAnswer> escape;
};

TEST(ToolkitMessageBox, EachButtonSetAnswersWithTheButtonClickedOrWithEscAndClose)
{
    using namespace platform;
    const QString ok = utf8("确定"), cancel = utf8("取消"), abort = utf8("中止(&A)"), retry = utf8("重试(&R)"),
                  ignore = utf8("忽略(&I)"), yes = utf8("是(&Y)"), no = utf8("否(&N)");
    const std::vector<ButtonSetCase> cases {
        { MB_OK, { ok }, { AnswerOk }, AnswerOk },
        { MB_OKCANCEL, { ok, cancel }, { AnswerOk, AnswerCancel }, AnswerCancel },
        { MB_ABORTRETRYIGNORE, { abort, retry, ignore }, { AnswerAbort, AnswerRetry, AnswerIgnore }, std::nullopt },
        { MB_YESNOCANCEL, { yes, no, cancel }, { AnswerYes, AnswerNo, AnswerCancel }, AnswerCancel },
        { MB_YESNO, { yes, no }, { AnswerYes, AnswerNo }, AnswerNo },
        { MB_RETRYCANCEL, { retry, cancel }, { AnswerRetry, AnswerCancel }, AnswerCancel },
    };
    for (const ButtonSetCase& test : cases) {
        for (size_t clicked = 0; clicked < test.texts.size(); ++clicked) {
            WhenOpen answer(modalOfClass("QMessageBox"), [&](QWidget& box) {
                EXPECT_EQ(buttonTexts(static_cast<QMessageBox&>(box)), test.texts);
                clickButton(box, test.texts[clicked]);
            });
            EXPECT_EQ(messageBox(gbk("确定要删除吗？"), test.flags), test.answers[clicked]) << test.flags;
        }
        for (bool withEsc : { true, false }) {
            WhenOpen escape(modalOfClass("QMessageBox"), [&](QWidget& box) {
                if (withEsc)
                    QTest::keyClick(&box, Qt::Key_Escape);
                else
                    box.close();
                EXPECT_EQ(box.isVisible(), !test.escape.has_value());
                if (box.isVisible())
                    clickButton(box, test.texts.back());
            });
            EXPECT_EQ(messageBox("", test.flags), test.escape.value_or(test.answers.back())) << test.flags;
        }
    }
}

TEST(ToolkitMessageBox, ShowsItsIconTitleAndTextWhole)
{
    struct Case {
        UINT flags;
        QMessageBox::Icon icon;
    };
    for (const Case& test : std::vector<Case> { { 0, QMessageBox::NoIcon }, { MB_ICONHAND, QMessageBox::Critical },
             { MB_ICONQUESTION | MB_YESNO, QMessageBox::Question }, { MB_ICONEXCLAMATION, QMessageBox::Warning },
             { MB_ICONINFORMATION, QMessageBox::Information } }) {
        WhenOpen answer(modalOfClass("QMessageBox"), [&](QWidget& box) {
            EXPECT_EQ(static_cast<QMessageBox&>(box).icon(), test.icon) << test.flags;
            EXPECT_EQ(box.windowTitle(), utf8("信息："));
            box.close();
        });
        platform::messageBox(gbk("保存成功"), test.flags);
    }

    const QString longTitle = utf8("保存失败：笔记文件夹里的文件无法写入，请检查磁盘");
    WhenOpen answer(modalOfClass("QMessageBox"), [&](QWidget& widget) {
        auto& box = static_cast<QMessageBox&>(widget);
        EXPECT_EQ(box.windowTitle(), longTitle);
        EXPECT_GT(box.width(), box.fontMetrics().horizontalAdvance(longTitle) + 100);
        const QPoint screenCentre = box.screen()->availableGeometry().center();
        EXPECT_LE((box.frameGeometry().center() - screenCentre).manhattanLength(), 2);
        // A text that is not GBK is shown as far as it can be.
        EXPECT_TRUE(box.text().endsWith(utf8("无法读取"))) << box.text().toStdString();
        box.close();
    });
    platform::messageBox("\xff" + gbk("无法读取"), MB_OK, gbk("保存失败：笔记文件夹里的文件无法写入，请检查磁盘"));
}

struct InputBoxTest : ::testing::Test {
    static QLineEdit& editOf(QWidget& dialog) { return *dialog.findChild<QLineEdit*>(); }

    std::string text = "unchanged";
};

TEST_F(InputBoxTest, OkGivesExactlyWhatWasTypedInPlaceOfTheSelectedInitialText)
{
    for (bool withEnter : { false, true }) {
        WhenOpen answer(modalOfClass("QDialog"), [&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), utf8("新建笔记"));
            QLineEdit& edit = editOf(dialog);
            EXPECT_TRUE(edit.hasFocus());
            EXPECT_EQ(edit.selectedText(), utf8("未命名"));
            typeText(edit, utf8("  链表 "));
            if (withEnter)
                pressKey(edit, Qt::Key_Return);
            else
                clickButton(dialog, utf8("确认输入(&O)"));
        });
        text = "unchanged";
        EXPECT_TRUE(platform::inputBox(gbk("笔记名称："), gbk("新建笔记"), gbk("未命名"), text));
        EXPECT_EQ(text, gbk("  链表 "));
    }
}

TEST_F(InputBoxTest, CancelEscAndTheCloseButtonLeaveTheTextAsItWas)
{
    for (int way = 0; way < 3; ++way) {
        WhenOpen answer(modalOfClass("QDialog"), [&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), utf8("请输入："));
            typeText(editOf(dialog), "typed");
            if (way == 0)
                clickButton(dialog, utf8("取消(&C)"));
            else if (way == 1)
                pressKey(dialog, Qt::Key_Escape);
            else
                dialog.close();
        });
        EXPECT_FALSE(platform::inputBox("", "", "", text)) << way;
        EXPECT_EQ(text, "unchanged");
    }
}

TEST_F(InputBoxTest, ATextThatGbkCannotHoldIsRefusedAndTheDialogStaysOpen)
{
    const QString typed = utf8("笔记😀");
    QString refusal;
    WhenOpen answer(modalOfClass("QDialog"), [&](QWidget& dialog) {
        typeText(editOf(dialog), typed);
        WhenOpen message(modalOfClass("QMessageBox"), [&](QWidget& box) {
            refusal = static_cast<QMessageBox&>(box).text();
            clickButton(box, utf8("确定"));
        });
        clickButton(dialog, utf8("确认输入(&O)"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(editOf(dialog).text(), typed);
        clickButton(dialog, utf8("取消(&C)"));
    });
    EXPECT_FALSE(platform::inputBox("", "", "", text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(refusal, utf8("输入的文字中含有无法用GBK表示的字符，请修改后再确认。"));
}

TEST(ToolkitClipboard, PutsTheSameCharactersThereAndRefusesWhatIsNotGbk)
{
    EXPECT_TRUE(platform::setClipboardText(gbk("int 主函数() {\r\n}")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), utf8("int 主函数() {\r\n}"));
    EXPECT_FALSE(platform::setClipboardText("\xff\xff"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), utf8("int 主函数() {\r\n}"));
}

} // namespace
