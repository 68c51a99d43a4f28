#include "WindowDriver.h"

#include "app/Globals.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

namespace bench {

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

OpenedMainWindow::OpenedMainWindow()
{
    initializeGlobals();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(topLevel())) {
        std::fprintf(stderr, "bench: the main window was never exposed\n");
        std::exit(2);
    }
    settle();
}

OpenedMainWindow::~OpenedMainWindow()
{
    m_window.reset();
    settle();
}

QWidget* OpenedMainWindow::topLevel() const
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("MainWindow") && window->isVisible())
            return window;
    }
    std::fprintf(stderr, "bench: the main window is not shown\n");
    std::exit(2);
}

QTreeWidget* OpenedMainWindow::tree() const
{
    return topLevel()->findChild<QTreeWidget*>(QStringLiteral("CategoryTree"));
}

QWidget* OpenedMainWindow::editorViewport() const
{
    QWidget* host = topLevel()->findChild<QWidget*>(QStringLiteral("EditorHost"));
    for (QObject* child : host->children()) {
        if (child->inherits("QAbstractScrollArea"))
            return static_cast<QAbstractScrollArea*>(child)->viewport();
    }
    std::fprintf(stderr, "bench: the editor has no window\n");
    std::exit(2);
}

QTreeWidgetItem* OpenedMainWindow::item(const QString& path) const
{
    QStringList names = path.split('/');
    QList<QTreeWidgetItem*> found = tree()->findItems(names.back(), Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem* candidate : found) {
        QString parent = candidate->parent() == nullptr ? QString() : candidate->parent()->text(0);
        if (names.size() == 1 ? candidate->parent() == nullptr : parent == names.front())
            return candidate;
    }
    std::fprintf(stderr, "bench: no item %s in the tree\n", path.toUtf8().constData());
    std::exit(2);
}

void OpenedMainWindow::click(QTreeWidgetItem* target)
{
    tree()->scrollToItem(target);
    QRect place = tree()->visualItemRect(target);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(place.left() + 8, place.center().y()));
}

void OpenedMainWindow::clickToolbarButton(const QString& hint)
{
    for (QToolButton* button : topLevel()->findChildren<QToolButton*>()) {
        if (button->toolTip() == hint) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    std::fprintf(stderr, "bench: no toolbar button %s\n", hint.toUtf8().constData());
    std::exit(2);
}

PaintWatch::PaintWatch(QWidget* widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

void PaintWatch::waitForPaint()
{
    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&late] { late = true; });
    deadline.start(std::chrono::seconds(30));
    while (m_paints == 0 && !late)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (late) {
        std::fprintf(stderr, "bench: the editor never painted\n");
        std::exit(2);
    }
}

bool PaintWatch::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}

MessageBoxWatch::MessageBoxWatch()
{
    qApp->installEventFilter(this);
}

MessageBoxWatch::~MessageBoxWatch()
{
    qApp->removeEventFilter(this);
}

bool MessageBoxWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            m_lastShown = Clock::now();
            ++m_shown;
            m_lastText = box->text();
            QTimer::singleShot(0, box, [box] { box->accept(); });
        }
    }
    return false;
}

void settle()
{
    for (int round = 0; round < 3; ++round)
        QTest::qWait(10);
}

}  // namespace bench
