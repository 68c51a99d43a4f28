#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

// The application's look as it was when the object was made, put back when
// it goes, so that a skin one test applies is not there for the next.
class KeptLook {
public:
    KeptLook();
    ~KeptLook();
    KeptLook(const KeptLook&) = delete;
    KeptLook& operator=(const KeptLook&) = delete;

private:
    QString m_style;
    QPalette m_palette;
    QFont m_font;
    QString m_styleSheet;
};
