#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include "platform/TextConverter.h"
#include "platform/Wildcard.h"

#include <QEvent>
#include <QPaintEvent>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

struct WindowClass {
    std::string name;
    WNDPROC procedure;
    WidgetFactory createWidget;
};

struct Window {
    HWND handle = nullptr;
    QWidget* widget = nullptr;
    WNDPROC procedure = nullptr;
    int controlId = 0;
    // Set while Qt paints the widget: the part to paint, and whether the
    // chain let the widget draw itself.
    bool painting = false;
    bool drawsItself = false;
    QRect paintArea;
};

// Qt's paint of a window goes through the window's chain as WM_PAINT; only a
// chain that ends in DefWindowProcA lets the widget draw.
class PaintRouter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

struct Registry {
    std::vector<WindowClass> classes;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    std::unordered_map<const QWidget*, HWND> handles;
    std::uintptr_t lastHandle = 0;
    PaintRouter paintRouter;
};

// Never destroyed: windows may still be about when static objects go.
Registry& registry()
{
    static Registry* const instance = new Registry;
    return *instance;
}

// Handles are numbers that are never given twice, so a handle kept after its
// window has gone names nothing rather than a newer window.
HWND nextHandle()
{
    return reinterpret_cast<HWND>(++registry().lastHandle);
}

Window* findWindow(HWND handle)
{
    auto found = registry().windows.find(handle);
    return found == registry().windows.end() ? nullptr : found->second.get();
}

Window* findWindow(const QWidget* widget)
{
    auto found = registry().handles.find(widget);
    return found == registry().handles.end() ? nullptr : findWindow(found->second);
}

const WindowClass* findClass(std::string_view name)
{
    for (const WindowClass& windowClass : registry().classes) {
        if (equalsIgnoringAsciiCase(windowClass.name, name))
            return &windowClass;
    }
    return nullptr;
}

HWND attach(QWidget* widget, WNDPROC procedure, int controlId)
{
    Registry& windows = registry();
    HWND handle = nextHandle();
    auto window = std::make_unique<Window>();
    window->handle = handle;
    window->widget = widget;
    window->procedure = procedure;
    window->controlId = controlId;
    windows.windows.emplace(handle, std::move(window));
    windows.handles.emplace(widget, handle);
    widget->installEventFilter(&windows.paintRouter);
    QObject::connect(widget, &QObject::destroyed, &windows.paintRouter, [handle, widget] {
        registry().windows.erase(handle);
        registry().handles.erase(widget);
    });
    return handle;
}

bool PaintRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    Window* window = findWindow(static_cast<QWidget*>(watched));
    if (window == nullptr || window->painting)
        return false;
    HWND handle = window->handle;
    window->painting = true;
    window->drawsItself = false;
    window->paintArea = static_cast<QPaintEvent*>(event)->rect();
    SendMessageA(handle, WM_PAINT, 0, 0);
    // The chain may have destroyed the window.
    window = findWindow(handle);
    if (window == nullptr)
        return true;
    window->painting = false;
    return !window->drawsItself;
}

RECT rectOf(const QRect& area)
{
    return RECT { area.left(), area.top(), area.left() + area.width(), area.top() + area.height() };
}

} // namespace

bool registerWindowClass(const char* className, WNDPROC procedure, WidgetFactory createWidget)
{
    if (className == nullptr || procedure == nullptr || createWidget == nullptr || findClass(className) != nullptr)
        return false;
    registry().classes.push_back(WindowClass { className, procedure, createWidget });
    return true;
}

bool unregisterWindowClass(const char* className)
{
    std::vector<WindowClass>& classes = registry().classes;
    auto found = std::find_if(classes.begin(), classes.end(), [className](const WindowClass& windowClass) {
        return className != nullptr && equalsIgnoringAsciiCase(windowClass.name, className);
    });
    if (found == classes.end())
        return false;
    classes.erase(found);
    return true;
}

HWND windowOf(QWidget* widget)
{
    if (widget == nullptr)
        return nullptr;
    if (Window* window = findWindow(widget))
        return window->handle;
    return attach(widget, DefWindowProcA, 0);
}

HWND findWindowOf(const QWidget* widget)
{
    Window* window = findWindow(widget);
    return window == nullptr ? nullptr : window->handle;
}

QWidget* widgetOf(HWND handle)
{
    Window* window = findWindow(handle);
    return window == nullptr ? nullptr : window->widget;
}

} // namespace platform

using platform::findWindow;

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::Window* target = findWindow(window);
    if (target == nullptr)
        return 0;
    return target->procedure(window, message, wParam, lParam);
}

LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR newValue)
{
    platform::Window* target = findWindow(window);
    if (target == nullptr || index != GWL_WNDPROC || newValue == 0)
        return 0;
    WNDPROC previous = target->procedure;
    target->procedure = reinterpret_cast<WNDPROC>(newValue);
    return reinterpret_cast<LONG_PTR>(previous);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return procedure == nullptr ? 0 : procedure(window, message, wParam, lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_PAINT) {
        if (platform::Window* target = findWindow(window); target != nullptr && target->painting)
            target->drawsItself = true;
    }
    return 0;
}

HWND CreateWindowExA(DWORD, const char* className, const char* windowName, DWORD style, int x, int y, int width,
    int height, HWND parent, HMENU menu, HINSTANCE, void*)
{
    const platform::WindowClass* registered = platform::findClass(className == nullptr ? "" : className);
    if (registered == nullptr)
        return nullptr;
    // A copy: making the widget may register classes of its own.
    const platform::WindowClass windowClass = *registered;
    QWidget* parentWidget = nullptr;
    if (parent != nullptr) {
        parentWidget = platform::widgetOf(parent);
        if (parentWidget == nullptr)
            return nullptr;
    } else if ((style & WS_CHILD) != 0) {
        return nullptr;
    }
    QWidget* widget = windowClass.createWidget(parentWidget);
    if (widget == nullptr)
        return nullptr;
    int controlId = (style & WS_CHILD) != 0 ? static_cast<int>(reinterpret_cast<std::uintptr_t>(menu)) : 0;
    HWND handle = platform::attach(widget, windowClass.procedure, controlId);
    if (windowName != nullptr)
        widget->setWindowTitle(QString::fromStdString(platform::utf8FromGbk(windowName).value_or(std::string())));
    widget->setGeometry(x, y, width, height);
    if ((style & WS_VISIBLE) != 0)
        widget->setVisible(true);
    return handle;
}

BOOL ShowWindow(HWND window, int command)
{
    QWidget* widget = platform::widgetOf(window);
    if (widget == nullptr)
        return FALSE;
    BOOL wasVisible = widget->isVisibleTo(widget->parentWidget()) ? TRUE : FALSE;
    widget->setVisible(command != SW_HIDE);
    return wasVisible;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    QWidget* widget = platform::widgetOf(window);
    if (widget == nullptr)
        return FALSE;
    widget->setGeometry(x, y, width, height);
    if (repaint)
        widget->update();
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect)
{
    QWidget* widget = platform::widgetOf(window);
    if (widget == nullptr || rect == nullptr)
        return FALSE;
    *rect = platform::rectOf(widget->rect());
    return TRUE;
}

HWND GetParent(HWND window)
{
    QWidget* widget = platform::widgetOf(window);
    if (widget == nullptr || widget->isWindow())
        return nullptr;
    return platform::windowOf(widget->parentWidget());
}

int GetDlgCtrlID(HWND window)
{
    platform::Window* target = findWindow(window);
    return target == nullptr ? 0 : target->controlId;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint)
{
    platform::Window* target = findWindow(window);
    if (target == nullptr || paint == nullptr)
        return nullptr;
    *paint = PAINTSTRUCT {};
    paint->hdc = reinterpret_cast<HDC>(window);
    paint->rcPaint = platform::rectOf(target->painting ? target->paintArea : target->widget->rect());
    return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint)
{
    return findWindow(window) != nullptr && paint != nullptr ? TRUE : FALSE;
}
