#include "platform/Toolkit.h"

#include "platform/TextConverter.h"
#include "platform/ToolkitInternal.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace platform {

using toolkit::textFromGbk;

namespace {

// Room in a title bar beside its text: the window's icon, its buttons and the margins.
constexpr int TitleBarRoom = 130;
constexpr int InputEditWidth = 320;

struct ButtonSet {
    std::vector<MessageBoxAnswer> answers;
    // What Esc and the close button answer; none where the box cannot be closed so.
    std::optional<MessageBoxAnswer> escape;
};

ButtonSet buttonSetOf(UINT flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        return { { AnswerOk, AnswerCancel }, AnswerCancel };
    case MB_ABORTRETRYIGNORE:
        return { { AnswerAbort, AnswerRetry, AnswerIgnore }, std::nullopt };
    case MB_YESNOCANCEL:
        return { { AnswerYes, AnswerNo, AnswerCancel }, AnswerCancel };
    case MB_YESNO:
        return { { AnswerYes, AnswerNo }, AnswerNo };
    case MB_RETRYCANCEL:
        return { { AnswerRetry, AnswerCancel }, AnswerCancel };
    default:
        return { { AnswerOk }, AnswerOk };
    }
}

QString buttonText(MessageBoxAnswer answer)
{
    switch (answer) {
    case AnswerOk:
        return QString::fromUtf8("确定");
    case AnswerCancel:
        return QString::fromUtf8("取消");
    case AnswerAbort:
        return QString::fromUtf8("中止(&A)");
    case AnswerRetry:
        return QString::fromUtf8("重试(&R)");
    case AnswerIgnore:
        return QString::fromUtf8("忽略(&I)");
    case AnswerYes:
        return QString::fromUtf8("是(&Y)");
    case AnswerNo:
        return QString::fromUtf8("否(&N)");
    }
    return QString();
}

QMessageBox::Icon iconOf(UINT flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Wide enough that a window manager shows the whole title.
int widthForTitle(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + TitleBarRoom;
}

void keepTitleWhole(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    auto* spacer = new QSpacerItem(widthForTitle(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
}

// One role for every button keeps them in the original's order, and no
// button is an escape button unless it is made one.
std::vector<std::pair<QAbstractButton*, MessageBoxAnswer>> addButtons(QMessageBox& box, const ButtonSet& set)
{
    std::vector<std::pair<QAbstractButton*, MessageBoxAnswer>> buttons;
    for (MessageBoxAnswer answer : set.answers) {
        QPushButton* button = box.addButton(buttonText(answer), QMessageBox::ActionRole);
        buttons.emplace_back(button, answer);
        if (set.escape == answer)
            box.setEscapeButton(button);
    }
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front().first));
    if (auto* row = box.findChild<QDialogButtonBox*>())
        row->setCenterButtons(true);
    return buttons;
}

class InputDialog : public QDialog {
public:
    InputDialog(const QString& prompt, const QString& caption, const QString& initialText)
        : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
        , m_edit(new QLineEdit(initialText))
    {
        setObjectName(QStringLiteral("InputBox"));
        setWindowTitle(caption);
        auto* ok = new QPushButton(QString::fromUtf8("确认输入(&O)"));
        auto* cancel = new QPushButton(QString::fromUtf8("取消(&C)"));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &InputDialog::confirm);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(prompt));
        layout->addWidget(m_edit);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        m_edit->setMaxLength(std::numeric_limits<int>::max());
        m_edit->setMinimumWidth(std::max(InputEditWidth, widthForTitle(caption)));
        m_edit->selectAll();
        m_edit->setFocus();
    }

    const std::optional<std::string>& result() const { return m_result; }

private:
    void confirm()
    {
        m_result = toolkit::gbkFromText(m_edit->text());
        if (m_result) {
            accept();
            return;
        }
        toolkit::showMessageBox(QString::fromUtf8("输入的文字中含有无法用GBK表示的字符，请修改后再确认。"),
            MB_ICONEXCLAMATION, windowTitle());
        m_edit->setFocus();
    }

    QLineEdit* m_edit;
    std::optional<std::string> m_result;
};

} // namespace

MessageBoxAnswer toolkit::showMessageBox(const QString& text, UINT flags, const QString& title)
{
    QMessageBox box(iconOf(flags), title, text);
    box.setWindowModality(Qt::ApplicationModal);
    const ButtonSet set = buttonSetOf(flags);
    const auto buttons = addButtons(box, set);
    keepTitleWhole(box);
    box.exec();
    for (const auto& [button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return set.escape.value_or(set.answers.front());
}

MessageBoxAnswer messageBox(std::string_view gbkText, UINT flags)
{
    return toolkit::showMessageBox(textFromGbk(gbkText), flags, QString::fromUtf8("信息："));
}

MessageBoxAnswer messageBox(std::string_view gbkText, UINT flags, std::string_view gbkTitle)
{
    return toolkit::showMessageBox(textFromGbk(gbkText), flags, textFromGbk(gbkTitle));
}

bool inputBox(
    std::string_view gbkPrompt, std::string_view gbkCaption, std::string_view gbkInitialText, std::string& gbkText)
{
    QString caption = gbkCaption.empty() ? QString::fromUtf8("请输入：") : textFromGbk(gbkCaption);
    InputDialog dialog(textFromGbk(gbkPrompt), caption, textFromGbk(gbkInitialText));
    if (dialog.exec() != QDialog::Accepted || !dialog.result())
        return false;
    gbkText = *dialog.result();
    return true;
}

bool setClipboardText(std::string_view gbkText)
{
    std::optional<std::string> utf8 = utf8FromGbk(gbkText);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!utf8 || clipboard == nullptr)
        return false;
    const QString text = QString::fromStdString(*utf8);
    clipboard->setText(text);
    return clipboard->text() == text;
}

} // namespace platform
