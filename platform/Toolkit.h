#pragma once

#include "platform/Win32Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QObject;
class QWidget;

// The message box flags of the original's MessageBoxA: one button set, plus
// at most one icon.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_OKCANCEL = 0x01;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x02;
inline constexpr UINT MB_YESNOCANCEL = 0x03;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_RETRYCANCEL = 0x05;
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;

// The window toolkit the program's windows are written against. Every text
// crosses this interface in GBK, the system code page of the original; no Qt
// type does. Places are in pixels, relative to the parent's client area.
namespace platform {

// The button a message box was closed with, as the toolkit counts them.
enum MessageBoxAnswer : int {
    AnswerOk = 0,
    AnswerCancel = 1,
    AnswerAbort = 2,
    AnswerRetry = 3,
    AnswerIgnore = 4,
    AnswerYes = 5,
    AnswerNo = 6,
};

// A tree item's handle; NoTreeItem names no item.
using TreeItem = std::int32_t;
inline constexpr TreeItem NoTreeItem = -1;

// How the tree's selection changed.
enum SelectionCause : int { ByMouse = 0, ByKeyboard = 1, OtherCause = 2 };

struct Place {
    int x;
    int y;
    int width;
    int height;
};

// Pictures of one size, each as XPM data that outlives the list.
struct ImageList {
    int width;
    int height;
    std::vector<const char* const*> pictures;
};

// A control of a window. The window owns every control's widget; the control
// object owns the handlers given to it, which it takes along when it goes.
class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void setFocus();
    bool hasFocus() const;
    // The widget behind the control, for the toolkit itself and for tests.
    QWidget* widget() const;

protected:
    // Takes the widget, made as a child of its parent's widget, and names it.
    Control(QWidget* widget, std::string_view name);
    // The receiver of the control's connections: they end with the control.
    QObject* receiver() const;

private:
    QWidget* m_widget;
    std::unique_ptr<QObject> m_receiver;
};

// A top-level window of a fixed outer size: a fixed single border, a title
// bar with the close and minimize buttons and no maximize button. It opens
// centred on the screen, closes on Esc whichever of its controls has the
// focus, and moves the focus with Tab and Shift+Tab. It has no default button.
class Window : public Control {
public:
    Window(std::string_view name, std::string_view gbkTitle, int outerWidth, int outerHeight);
    // Destroys the window with every control in it.
    ~Window() override;

    void setIcon(const char* const* xpm);
    // Raised once, when the window is first opened and its controls exist,
    // before the user can act.
    void onCreated(std::function<void()> handler);
    void show();
    // Shows the window with every other window of the program disabled, and
    // returns once it has closed.
    void openModal();
    // Closes the window once the running handler has returned.
    void close();
    bool isOpen() const;

private:
    struct Behaviour;
    std::unique_ptr<Behaviour> m_behaviour;
};

// A flat toolbar of image buttons without texts, along the top edge of its
// window's client area and as wide as it, with a divider line above.
class Toolbar : public Control {
public:
    Toolbar(Window& window, std::string_view name, int height, const ImageList& pictures);
    // The button's tooltip shows its hint.
    void addButton(int picture, std::string_view gbkHint);
    void addSeparator();
    // The clicked button's position, counted from 0 with the separators.
    void onButtonClicked(std::function<void(int position)> handler);

private:
    int m_positions = 0;
};

// A group box without a caption, the parent of the controls inside it.
class GroupBox : public Control {
public:
    GroupBox(Control& parent, std::string_view name, Place place);
};

// A panel that hosts a native child window.
class Panel : public Control {
public:
    Panel(Control& parent, std::string_view name, Place place);
    HWND handle() const;
};

class Label : public Control {
public:
    Label(Control& parent, std::string_view name, Place place, std::string_view gbkText);
};

// A push button that is never a default button.
class PushButton : public Control {
public:
    PushButton(Control& parent, std::string_view name, Place place, std::string_view gbkText);
    void onClicked(std::function<void()> handler);
};

// A drop-down list: the user chooses one of its entries and cannot type.
class ComboBox : public Control {
public:
    // droppedHeight: the whole control's height while dropped down.
    ComboBox(Control& parent, std::string_view name, Place place, int droppedHeight);
    void addEntry(std::string_view gbkText);
    // -1 chooses no entry.
    void setCurrentEntry(int index);
    // The chosen entry's text, exactly as it was added; empty when none is chosen.
    std::string text() const;
};

enum class EditKind { SingleLine, MultiLine };

// A one-line edit box that scrolls sideways, or a multi-line one whose lines
// wrap at its width, with a vertical scroll bar and Enter starting a new line.
class EditBox : public Control {
public:
    EditBox(Control& parent, std::string_view name, Place place, EditKind kind);
    void setText(std::string_view gbkText);
    // The whole text, its line ends as CR LF; nothing when it holds a character
    // that GBK cannot hold.
    std::optional<std::string> text() const;
};

// A tree view with plus/minus buttons and lines, whose labels cannot be
// edited and whose selection shows only while it has the focus.
class TreeView : public Control {
public:
    TreeView(Control& parent, std::string_view name, Place place, const ImageList& pictures);
    ~TreeView() override;

    void clear();
    // Appends the item as the last child of the parent, or as the last
    // top-level item for NoTreeItem; -1 as the selected picture is the picture.
    TreeItem addItem(TreeItem parent, std::string_view gbkText, int picture, int selectedPicture = -1);
    TreeItem selectedItem() const;
    // NoTreeItem for a top-level item and for NoTreeItem.
    TreeItem parentOf(TreeItem item) const;
    // Exactly the text the item was added with; empty for NoTreeItem.
    std::string textOf(TreeItem item) const;
    // Removes the item with its children; nothing for NoTreeItem.
    void deleteItem(TreeItem item);

    // After every change of the selected item, whatever caused it.
    void onSelectionChanged(std::function<void(SelectionCause cause)> handler);
    // When the right button goes down over the tree, before the tree handles
    // the press: the pointer's place in the tree and the keys held: Ctrl 1, Shift 2, Alt 4.
    void onRightButtonDown(std::function<void(int x, int y, int keys)> handler);

private:
    struct Items;
    std::unique_ptr<Items> m_items;
};

// A menu of a window that never shows in a menu bar, only as a popup.
class PopupMenu {
public:
    PopupMenu(Window& owner, std::string_view gbkTitle);
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    void addEntry(std::string_view gbkText, std::function<void()> command);
    // Shows the menu at the pointer moved 3 pixels right and down, to be
    // chosen from with either button, and returns once it has closed. The
    // chosen entry's command runs after that, as an event of its own.
    void popup();

private:
    struct Entries;
    std::unique_ptr<Entries> m_entries;
};

// A task-modal message box, centred on the screen, titled "信息：" unless a
// title is given; returns the answer it was closed with.
MessageBoxAnswer messageBox(std::string_view gbkText, UINT flags = MB_OK);
MessageBoxAnswer messageBox(std::string_view gbkText, UINT flags, std::string_view gbkTitle);

// The modal one-line input dialog, centred on the screen: the prompt above an
// edit box holding the initial text, selected. After OK the text typed goes
// into gbkText unchanged and the result is true; after Cancel, Esc or the close
// button gbkText is left as it was. An empty caption is "请输入：". A text that
// GBK cannot hold is refused with a message, and the dialog stays open.
bool inputBox(std::string_view gbkPrompt, std::string_view gbkCaption, std::string_view gbkInitialText,
    std::string& gbkText);

// Puts the text on the system clipboard as the same characters; false when
// it is not there afterwards.
bool setClipboardText(std::string_view gbkText);

} // namespace platform
