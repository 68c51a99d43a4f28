#include "platform/Toolkit.h"

#include "platform/ToolkitInternal.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace platform {

namespace {

// The original's fixed single border and caption take this much of a window's outer size.
constexpr int FrameWidth = 6;
constexpr int FrameHeight = 27;

constexpr Qt::WindowFlags TopLevelFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Tells its window when it has closed, and lets the window move the focus on.
class WindowWidget : public QWidget {
public:
    WindowWidget()
        : QWidget(nullptr, TopLevelFlags)
    {
    }

    using QWidget::focusNextPrevChild;
    std::function<void()> closed;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        QWidget::closeEvent(event);
        if (event->isAccepted() && closed)
            closed();
    }
};

bool isPlainTab(const QKeyEvent& key)
{
    constexpr Qt::KeyboardModifiers Held = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && (key.modifiers() & Held) == 0;
}

bool isBackwards(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier) != 0;
}

} // namespace

Control::Control(QWidget* widget, std::string_view name)
    : m_widget(widget)
    , m_receiver(std::make_unique<QObject>())
{
    m_widget->setObjectName(toolkit::widgetName(name));
}

Control::~Control() = default;

void Control::setFocus()
{
    m_widget->setFocus();
}

bool Control::hasFocus() const
{
    return m_widget->hasFocus();
}

QWidget* Control::widget() const
{
    return m_widget;
}

QObject* Control::receiver() const
{
    return m_receiver.get();
}

// Keys reach the window's QWindow before any widget, the editor's among them,
// which would keep Esc and Tab for itself; the keyboard hook, an application
// filter, has seen them by then.
struct Window::Behaviour : QObject {
    Behaviour(WindowWidget* widget, QSize outerSize)
        : widget(widget)
        , outerSize(outerSize)
    {
        widget->closed = [this] { onClosed(); };
    }

    void open(Qt::WindowModality modality)
    {
        if (!widget->isVisible())
            widget->setWindowModality(modality);
        if (!wasOpened) {
            wasOpened = true;
            widget->winId();
            widget->windowHandle()->installEventFilter(this);
            toolkit::callHandler(created);
        }
        centre();
        closed = false;
        widget->show();
    }

    void centre()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr)
            return;
        QRect area = screen->geometry();
        widget->move(
            area.x() + (area.width() - outerSize.width()) / 2, area.y() + (area.height() - outerSize.height()) / 2);
    }

    void onClosed()
    {
        closed = true;
        if (modalLoop != nullptr)
            modalLoop->quit();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Escape) {
            widget->close();
            return true;
        }
        if (isPlainTab(key)) {
            widget->focusNextPrevChild(!isBackwards(key));
            return true;
        }
        return false;
    }

    WindowWidget* widget;
    QSize outerSize;
    std::function<void()> created;
    bool wasOpened = false;
    bool closed = false;
    QEventLoop* modalLoop = nullptr;
};

Window::Window(std::string_view name, std::string_view gbkTitle, int outerWidth, int outerHeight)
    : Control(new WindowWidget, name)
    , m_behaviour(std::make_unique<Behaviour>(static_cast<WindowWidget*>(widget()), QSize(outerWidth, outerHeight)))
{
    widget()->setWindowTitle(toolkit::textFromGbk(gbkTitle));
    widget()->setFixedSize(outerWidth - FrameWidth, outerHeight - FrameHeight);
}

Window::~Window()
{
    delete widget();
}

void Window::setIcon(const char* const* xpm)
{
    widget()->setWindowIcon(QIcon(QPixmap(xpm)));
}

void Window::onCreated(std::function<void()> handler)
{
    m_behaviour->created = std::move(handler);
}

void Window::show()
{
    m_behaviour->open(Qt::NonModal);
}

void Window::openModal()
{
    m_behaviour->open(Qt::ApplicationModal);
    if (m_behaviour->closed)
        return;
    QEventLoop loop;
    m_behaviour->modalLoop = &loop;
    loop.exec();
    m_behaviour->modalLoop = nullptr;
}

void Window::close()
{
    QWidget* window = widget();
    QMetaObject::invokeMethod(
        window, [window] { window->close(); }, Qt::QueuedConnection);
}

bool Window::isOpen() const
{
    return widget()->isVisible() && !m_behaviour->closed;
}

} // namespace platform
