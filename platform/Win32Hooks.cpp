#include "platform/Win32.h"

#include "platform/VirtualKeys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include <vector>

namespace platform {

namespace {

constexpr int HC_ACTION = 0;

// The keystroke flags the original's keyboard gives a hook.
LPARAM keystrokeFlags(const QKeyEvent& key)
{
    LPARAM flags = 1 | (static_cast<LPARAM>(key.nativeScanCode() & 0xFF) << 16);
    if ((key.modifiers() & Qt::AltModifier) != 0)
        flags |= KeyFlagAltDown;
    if (key.type() == QEvent::KeyRelease)
        flags |= KeyFlagWasDown | KeyFlagReleased;
    else if (key.isAutoRepeat())
        flags |= KeyFlagWasDown;
    return flags;
}

// Watches every event of the application. A keystroke from the keyboard
// reaches a window (QWindow) first, and once; what the program sends to a
// widget itself, as the engine module does, never passes here.
class KeyboardHooks : public QObject {
public:
    std::vector<HOOKPROC> hooks;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) || !watched->isWindowType()
            || hooks.empty())
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        HOOKPROC newest = hooks.back();
        return newest(HC_ACTION, virtualKeyOf(key.key()), keystrokeFlags(key)) != 0;
    }
};

} // namespace

} // namespace platform

HHOOK SetWindowsHookExA(int hookType, HOOKPROC procedure, HINSTANCE, DWORD)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (hookType != WH_KEYBOARD || procedure == nullptr || application == nullptr)
        return nullptr;
    static platform::KeyboardHooks* const keyboard = [application] {
        auto* filter = new platform::KeyboardHooks;
        application->installEventFilter(filter);
        return filter;
    }();
    keyboard->hooks.push_back(procedure);
    return reinterpret_cast<HHOOK>(keyboard->hooks.size());
}
