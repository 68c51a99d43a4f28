#include "platform/ToolkitWindow.h"

#include "platform/TextConverter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

TopLevelWindow::TopLevelWindow(std::string_view gbkTitle, int width, int height)
    : m_widget(std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                                      | Qt::WindowCloseButtonHint))
{
    m_widget->setWindowTitle(QString::fromUtf8(utf8FromGbk(gbkTitle).value_or(std::string())));
    m_widget->setFixedSize(width, height);
}

TopLevelWindow::~TopLevelWindow() = default;

void TopLevelWindow::show()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->geometry();
        m_widget->move(area.x() + (area.width() - m_widget->width()) / 2,
                       area.y() + (area.height() - m_widget->height()) / 2);
    }
    m_widget->show();
}

}  // namespace platform
