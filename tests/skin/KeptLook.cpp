#include "KeptLook.h"

#include <QApplication>
#include <QStyle>

KeptLook::KeptLook()
    : m_style(QApplication::style()->name())
    , m_palette(QApplication::palette())
    , m_font(QApplication::font())
    , m_styleSheet(qApp->styleSheet())
{
}

KeptLook::~KeptLook()
{
    qApp->setStyleSheet(m_styleSheet);
    QApplication::setStyle(m_style);
    QApplication::setPalette(m_palette);
    QApplication::setFont(m_font);
}
