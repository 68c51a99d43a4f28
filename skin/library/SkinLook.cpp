#include "skin/library/SkinLook.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>

#include <utility>

namespace skin {

namespace {

// Colours are put in as {key}; only frames, buttons, the toolbar, menus and
// tips are drawn by it, everything else by the palette. The toolbar's padding
// keeps its buttons where they are without a style sheet.
constexpr char StyleSheetTemplate[] = R"(
QToolBar { background: {toolbar}; border: none; spacing: 0px; padding: 2px 4px; }
QToolBar QToolButton { background: transparent; border: 1px solid transparent; border-radius: 3px; }
QToolBar QToolButton:hover { background: {hover}; border-color: {border}; }
QToolBar QToolButton:pressed { background: {pressed}; border-color: {border}; }
QPushButton { color: {button-text}; background: {button}; border: 1px solid {border}; border-radius: 3px;
              padding: 2px 12px; min-width: 48px; }
QPushButton:hover { background: {hover}; }
QPushButton:pressed { background: {pressed}; }
QPushButton:focus { border-color: {focus}; }
QPushButton:disabled { color: {disabled-text}; }
QLineEdit, QPlainTextEdit, QTreeView { border: 1px solid {border}; border-radius: 3px; }
QLineEdit { padding: 0px 4px; }
QLineEdit:focus, QPlainTextEdit:focus, QTreeView:focus { border-color: {focus}; }
QGroupBox { border: 1px solid {frame}; border-radius: 4px; }
QMenu { color: {text}; background: {base}; border: 1px solid {border}; padding: 4px 0px; }
QMenu::item { padding: 4px 28px 4px 16px; }
QMenu::item:selected { color: {highlighted-text}; background: {highlight}; }
QToolTip { color: {tooltip-text}; background: {tooltip-base}; border: 1px solid {tooltip-base}; padding: 2px 4px; }
)";

// Every text handed to Qt is a copy made here, never a literal of this
// library: Qt keeps some of them after the library is unloaded at the end.
QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QColor colourOf(const Skin& skin, Colour colour)
{
    const Rgb& rgb = skin.colours[colour];
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QPalette paletteOf(const Skin& skin)
{
    // The shades of frames and bevels follow from the button and window colours.
    QPalette palette(colourOf(skin, Button), colourOf(skin, Window));
    const std::pair<QPalette::ColorRole, Colour> roles[] = {
        { QPalette::Window, Window },
        { QPalette::WindowText, WindowText },
        { QPalette::Base, Base },
        { QPalette::AlternateBase, AlternateBase },
        { QPalette::Text, Text },
        { QPalette::Button, Button },
        { QPalette::ButtonText, ButtonText },
        { QPalette::Highlight, Highlight },
        { QPalette::HighlightedText, HighlightedText },
        { QPalette::ToolTipBase, ToolTipBase },
        { QPalette::ToolTipText, ToolTipText },
        { QPalette::PlaceholderText, DisabledText },
    };
    for (const auto& [role, colour] : roles)
        palette.setColor(role, colourOf(skin, colour));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, colourOf(skin, DisabledText));
    return palette;
}

QFont fontOf(const Skin& skin)
{
    QStringList families;
    for (const std::string& family : skin.fontFamilies)
        families << textOf(family);
    QFont font = QApplication::font();
    font.setFamilies(families);
    font.setPixelSize(skin.fontPixelSize);
    return font;
}

QString styleSheetOf(const Skin& skin)
{
    QString sheet = textOf(StyleSheetTemplate);
    for (std::size_t colour = 0; colour < ColourCount; ++colour) {
        QString key = QLatin1Char('{') + textOf(ColourKeys[colour]) + QLatin1Char('}');
        sheet.replace(key, colourOf(skin, static_cast<Colour>(colour)).name());
    }
    return sheet;
}

} // namespace

// The style is one of Qt's own, which the application deletes when it goes,
// before this library is unloaded.
void applySkin(const Skin& skin)
{
    if (QStyle* fusion = QStyleFactory::create(textOf("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(paletteOf(skin));
    QApplication::setFont(fontOf(skin));
    qApp->setStyleSheet(styleSheetOf(skin));
}

} // namespace skin
