#pragma once

#include "ui/MainWindow.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The program's main window, opened on the store beside the benchmark as the
// program opens it at start, and acted on as a person would.
namespace bench {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start);

class OpenedMainWindow {
public:
    // A fresh editor and category list first, as the start-up makes them.
    OpenedMainWindow();
    ~OpenedMainWindow();

    MainWindow& window() { return *m_window; }
    QTreeWidget* tree() const;
    // The widget the engine paints the text into.
    QWidget* editorViewport() const;
    // The item at a path of UTF-8 names, "category/note".
    QTreeWidgetItem* item(const QString& path) const;

    // A left click on the item's text, the way a person selects it.
    void click(QTreeWidgetItem* item);
    // A click on the toolbar button whose tooltip is the given one.
    void clickToolbarButton(const QString& hint);

private:
    QWidget* topLevel() const;
    std::unique_ptr<MainWindow> m_window;
};

// Counts the paint events a widget has had since the last reset; each is a
// real paint, into the platform's backing store.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget);
    void reset() { m_paints = 0; }
    // Runs the event loop until the widget has painted since the last reset.
    void waitForPaint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_paints = 0;
};

// Answers every message box as soon as it shows, and keeps the time it showed.
class MessageBoxWatch : public QObject {
public:
    MessageBoxWatch();
    ~MessageBoxWatch() override;
    Clock::time_point lastShown() const { return m_lastShown; }
    int shown() const { return m_shown; }
    QString lastText() const { return m_lastText; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Clock::time_point m_lastShown;
    int m_shown = 0;
    QString m_lastText;
};

// Lets what the last action queued run: layouts, repaints, deferred deletes.
void settle();

}  // namespace bench
