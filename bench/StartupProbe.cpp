// Quillery's own start, exactly as its main runs it, with one watcher added:
// when the editor first paints in the shown main window, the probe writes the
// monotonic clock's time in nanoseconds to its standard output and closes the
// window, which ends the program normally.

#include "app/Startup.h"
#include "platform/Process.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstEditorPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_seen || event->type() != QEvent::Paint || watched->parent() == nullptr
            || !watched->parent()->inherits("QsciScintillaBase"))
            return false;
        m_seen = true;
        // Once this paint is done.
        QTimer::singleShot(0, [] { reportAndClose(); });
        return false;
    }

private:
    static void reportAndClose()
    {
        auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    }

    bool m_seen = false;
};

int startWatched()
{
    static FirstEditorPaint watcher;
    qApp->installEventFilter(&watcher);
    return runProgram();
}

}  // namespace

int main(int argc, char** argv)
{
    return platform::runPlatform(argc, argv, startWatched);
}
