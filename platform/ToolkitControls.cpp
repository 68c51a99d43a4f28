#include "platform/Toolkit.h"

#include "platform/ToolkitInternal.h"
#include "platform/Win32Qt.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace platform {

using toolkit::callHandler;
using toolkit::placeChild;
using toolkit::textFromGbk;

namespace {

// The etched line a toolbar draws along its top edge, between it and whatever is above.
constexpr int DividerHeight = 2;
// The original toolbar's metrics for 16-pixel pictures: its buttons stand side
// by side, a separator between them.
constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
constexpr int SeparatorWidth = 8;

class ToolbarWidget : public QToolBar {
public:
    ToolbarWidget(QWidget* parent, const ImageList& pictures)
        : QToolBar(parent)
        , pictures(pictures)
    {
        setMovable(false);
        setFloatable(false);
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setIconSize(QSize(pictures.width, pictures.height));
        setContentsMargins(0, DividerHeight, 0, 0);
        layout()->setSpacing(0);
    }

    const ImageList pictures;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolBar::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

QComboBox* comboOf(const Control& control)
{
    return static_cast<QComboBox*>(control.widget());
}

QPlainTextEdit* multiLineOf(const Control& control)
{
    return qobject_cast<QPlainTextEdit*>(control.widget());
}

QWidget* makeEditWidget(QWidget* parent, EditKind kind)
{
    if (kind == EditKind::SingleLine) {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    auto* edit = new QPlainTextEdit(parent);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setTabChangesFocus(true);
    return edit;
}

// The lines of a multi-line box, each ended as the program's texts end them
// but the last; a line broken with Shift+Enter is a line of its own.
QString textWithCrLf(const QPlainTextEdit& edit)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList lines;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines.join(lineEnd).replace(QChar::LineSeparator, lineEnd);
}

} // namespace

Toolbar::Toolbar(Window& window, std::string_view name, int height, const ImageList& pictures)
    : Control(new ToolbarWidget(window.widget(), pictures), name)
{
    placeChild(widget(), { 0, 0, window.widget()->width(), height });
}

void Toolbar::addButton(int picture, std::string_view gbkHint)
{
    auto* bar = static_cast<ToolbarWidget*>(widget());
    QAction* action = bar->addAction(QIcon(toolkit::pictureOf(bar->pictures, picture)), QString());
    action->setToolTip(textFromGbk(gbkHint));
    action->setData(m_positions++);
    if (QWidget* button = bar->widgetForAction(action)) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(ButtonWidth, ButtonHeight);
    }
}

void Toolbar::addSeparator()
{
    auto* gap = new QFrame(widget());
    gap->setFrameShape(QFrame::VLine);
    gap->setFrameShadow(QFrame::Sunken);
    gap->setFixedSize(SeparatorWidth, ButtonHeight);
    static_cast<QToolBar*>(widget())->addWidget(gap);
    ++m_positions;
}

void Toolbar::onButtonClicked(std::function<void(int position)> handler)
{
    auto* bar = static_cast<QToolBar*>(widget());
    QObject::disconnect(bar, &QToolBar::actionTriggered, receiver(), nullptr);
    QObject::connect(bar, &QToolBar::actionTriggered, receiver(),
        [handler = std::move(handler)](QAction* action) { callHandler(handler, action->data().toInt()); });
}

GroupBox::GroupBox(Control& parent, std::string_view name, Place place)
    : Control(new QGroupBox(parent.widget()), name)
{
    placeChild(widget(), place);
}

Panel::Panel(Control& parent, std::string_view name, Place place)
    : Control(new QWidget(parent.widget()), name)
{
    placeChild(widget(), place);
}

HWND Panel::handle() const
{
    return windowOf(widget());
}

Label::Label(Control& parent, std::string_view name, Place place, std::string_view gbkText)
    : Control(new QLabel(textFromGbk(gbkText), parent.widget()), name)
{
    auto* label = static_cast<QLabel*>(widget());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    placeChild(label, place);
}

PushButton::PushButton(Control& parent, std::string_view name, Place place, std::string_view gbkText)
    : Control(new QPushButton(textFromGbk(gbkText), parent.widget()), name)
{
    auto* button = static_cast<QPushButton*>(widget());
    button->setAutoDefault(false);
    button->setDefault(false);
    placeChild(button, place);
}

void PushButton::onClicked(std::function<void()> handler)
{
    auto* button = static_cast<QPushButton*>(widget());
    QObject::disconnect(button, &QPushButton::clicked, receiver(), nullptr);
    QObject::connect(
        button, &QPushButton::clicked, receiver(), [handler = std::move(handler)] { callHandler(handler); });
}

ComboBox::ComboBox(Control& parent, std::string_view name, Place place, int droppedHeight)
    : Control(new QComboBox(parent.widget()), name)
{
    QComboBox* combo = comboOf(*this);
    combo->setEditable(false);
    placeChild(combo, place);
    combo->view()->window()->setMaximumHeight(std::max(droppedHeight - place.height, combo->height()));
}

void ComboBox::addEntry(std::string_view gbkText)
{
    QComboBox* combo = comboOf(*this);
    int chosen = combo->currentIndex();
    combo->addItem(textFromGbk(gbkText), toolkit::bytesOf(gbkText));
    // Qt chooses the first entry of an empty box; the original chooses none.
    combo->setCurrentIndex(chosen);
}

void ComboBox::setCurrentEntry(int index)
{
    comboOf(*this)->setCurrentIndex(index);
}

std::string ComboBox::text() const
{
    const QComboBox* combo = comboOf(*this);
    if (combo->currentIndex() < 0)
        return std::string();
    return toolkit::stringOf(combo->currentData().toByteArray());
}

EditBox::EditBox(Control& parent, std::string_view name, Place place, EditKind kind)
    : Control(makeEditWidget(parent.widget(), kind), name)
{
    placeChild(widget(), place);
}

void EditBox::setText(std::string_view gbkText)
{
    QString text = textFromGbk(gbkText);
    if (QPlainTextEdit* edit = multiLineOf(*this))
        edit->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else
        static_cast<QLineEdit*>(widget())->setText(text);
}

std::optional<std::string> EditBox::text() const
{
    if (const QPlainTextEdit* edit = multiLineOf(*this))
        return toolkit::gbkFromText(textWithCrLf(*edit));
    return toolkit::gbkFromText(static_cast<const QLineEdit*>(widget())->text());
}

struct PopupMenu::Entries {
    QPointer<QMenu> menu;
    std::vector<std::function<void()>> commands;
    // The context of queued commands: a command still queued when the menu goes is dropped.
    QObject receiver;
};

PopupMenu::PopupMenu(Window& owner, std::string_view gbkTitle)
    : m_entries(std::make_unique<Entries>())
{
    m_entries->menu = new QMenu(textFromGbk(gbkTitle), owner.widget());
}

PopupMenu::~PopupMenu()
{
    delete m_entries->menu.data();
}

void PopupMenu::addEntry(std::string_view gbkText, std::function<void()> command)
{
    if (m_entries->menu.isNull())
        return;
    QAction* action = m_entries->menu->addAction(textFromGbk(gbkText));
    action->setData(static_cast<int>(m_entries->commands.size()));
    m_entries->commands.push_back(std::move(command));
}

void PopupMenu::popup()
{
    if (m_entries->menu.isNull())
        return;
    QAction* chosen = m_entries->menu->exec(QCursor::pos() + QPoint(3, 3));
    if (chosen == nullptr)
        return;
    std::function<void()> command = m_entries->commands[static_cast<size_t>(chosen->data().toInt())];
    QMetaObject::invokeMethod(
        &m_entries->receiver, [command = std::move(command)] { callHandler(command); }, Qt::QueuedConnection);
}

} // namespace platform
