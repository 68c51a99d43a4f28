#include "platform/Toolkit.h"

#include "platform/ToolkitInternal.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

using toolkit::callHandler;

namespace {

constexpr int HandleRole = Qt::UserRole;
constexpr int GbkTextRole = Qt::UserRole + 1;

// Tells what the selection changes of the moment come from: the mouse or
// keyboard event it is handling, or neither.
class TreeWidget : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

    SelectionCause cause() const { return m_cause; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        // Only a press on an item's picture or text selects it; on empty space
        // or beside the text it only gives the tree the focus.
        if (isBesideTheItems(event->position().toPoint())) {
            setFocus(Qt::MouseFocusReason);
            return;
        }
        QTreeWidget::mousePressEvent(event);
    }
    // Every mouse event of the viewport passes here on its way to the handlers.
    bool viewportEvent(QEvent* event) override
    {
        bool fromMouse = event->isPointerEvent();
        CauseScope scope(m_cause, fromMouse ? ByMouse : m_cause);
        return QTreeWidget::viewportEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        CauseScope scope(m_cause, ByKeyboard);
        QTreeWidget::keyPressEvent(event);
    }

private:
    // Left of an item's cell lie its plus/minus button and lines, which the
    // tree handles itself.
    bool isBesideTheItems(QPoint place) const
    {
        QModelIndex index = indexAt(place);
        if (!index.isValid())
            return true;
        QRect cell = visualRect(index);
        if (place.x() < cell.left())
            return false;
        constexpr int PictureGap = 4;
        constexpr int TextMargins = 6;
        int width
            = iconSize().width() + PictureGap + fontMetrics().horizontalAdvance(index.data().toString()) + TextMargins;
        return place.x() >= cell.left() + width;
    }

    class CauseScope {
    public:
        CauseScope(SelectionCause& cause, SelectionCause now)
            : m_cause(cause)
            , m_before(cause)
        {
            m_cause = now;
        }
        ~CauseScope() { m_cause = m_before; }
        CauseScope(const CauseScope&) = delete;
        CauseScope& operator=(const CauseScope&) = delete;

    private:
        SelectionCause& m_cause;
        SelectionCause m_before;
    };

    SelectionCause m_cause = OtherCause;
};

int keysHeld(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::ControlModifier) != 0 ? 1 : 0) | ((modifiers & Qt::ShiftModifier) != 0 ? 2 : 0)
        | ((modifiers & Qt::AltModifier) != 0 ? 4 : 0);
}

// The selection shows only while the tree has the focus, as the original's does.
void hideSelectionWithoutFocus(QWidget* tree)
{
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Inactive, QPalette::Text));
    tree->setPalette(palette);
}

void collectHandles(const QTreeWidgetItem* item, std::vector<TreeItem>& handles)
{
    handles.push_back(item->data(0, HandleRole).toInt());
    for (int child = 0; child < item->childCount(); ++child)
        collectHandles(item->child(child), handles);
}

} // namespace

struct TreeView::Items : QObject {
    Items(TreeWidget* tree, const ImageList& pictures)
        : tree(tree)
        , pictures(pictures)
    {
    }

    QTreeWidgetItem* find(TreeItem handle) const
    {
        auto found = byHandle.find(handle);
        return found == byHandle.end() ? nullptr : found->second;
    }

    static TreeItem handleOf(const QTreeWidgetItem* item)
    {
        return item == nullptr ? NoTreeItem : item->data(0, HandleRole).toInt();
    }

    TreeItem selected() const
    {
        const QList<QTreeWidgetItem*> items = tree->selectedItems();
        return items.isEmpty() ? NoTreeItem : handleOf(items.first());
    }

    // Made once for each pair of pictures and shared by every item that shows
    // them: a tree of many notes would otherwise read the same picture for each.
    QIcon iconOf(int picture, int selectedPicture)
    {
        auto [made, isNew] = icons.try_emplace({picture, selectedPicture});
        if (isNew) {
            made->second = QIcon(toolkit::pictureOf(pictures, picture));
            if (selectedPicture != -1)
                made->second.addPixmap(toolkit::pictureOf(pictures, selectedPicture), QIcon::Selected);
        }
        return made->second;
    }

    void noteSelection(SelectionCause cause)
    {
        if (ownChanges > 0)
            return;
        TreeItem now = selected();
        if (now == lastSelected)
            return;
        lastSelected = now;
        callHandler(selectionChanged, cause);
    }

    // The tree's own changes are told once they are done, when every handle is right again.
    template <typename Change> void change(Change&& change)
    {
        ++ownChanges;
        change();
        --ownChanges;
        noteSelection(OtherCause);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            if (mouse.button() == Qt::RightButton) {
                QPoint at = mouse.position().toPoint();
                callHandler(rightButtonDown, at.x(), at.y(), keysHeld(mouse.modifiers()));
            }
        }
        return false;
    }

    TreeWidget* tree;
    const ImageList pictures;
    std::unordered_map<TreeItem, QTreeWidgetItem*> byHandle;
    std::map<std::pair<int, int>, QIcon> icons;
    TreeItem lastHandle = 0;
    TreeItem lastSelected = NoTreeItem;
    int ownChanges = 0;
    std::function<void(SelectionCause)> selectionChanged;
    std::function<void(int, int, int)> rightButtonDown;
};

TreeView::TreeView(Control& parent, std::string_view name, Place place, const ImageList& pictures)
    : Control(new TreeWidget(parent.widget()), name)
    , m_items(std::make_unique<Items>(static_cast<TreeWidget*>(widget()), pictures))
{
    TreeWidget* tree = m_items->tree;
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setIconSize(QSize(pictures.width, pictures.height));
    hideSelectionWithoutFocus(tree);
    tree->viewport()->installEventFilter(m_items.get());
    Items* items = m_items.get();
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, receiver(),
        [items] { items->noteSelection(items->tree->cause()); });
    toolkit::placeChild(tree, place);
}

TreeView::~TreeView() = default;

void TreeView::clear()
{
    m_items->change([this] {
        m_items->tree->clear();
        m_items->byHandle.clear();
    });
}

TreeItem TreeView::addItem(TreeItem parent, std::string_view gbkText, int picture, int selectedPicture)
{
    QTreeWidgetItem* parentItem = nullptr;
    if (parent != NoTreeItem) {
        parentItem = m_items->find(parent);
        if (parentItem == nullptr)
            return NoTreeItem;
    }
    TreeItem handle = ++m_items->lastHandle;
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setText(0, toolkit::textFromGbk(gbkText));
    item->setData(0, GbkTextRole, toolkit::bytesOf(gbkText));
    item->setData(0, HandleRole, handle);
    item->setIcon(0, m_items->iconOf(picture, selectedPicture));
    m_items->byHandle.emplace(handle, item);
    m_items->change([&] {
        if (parentItem == nullptr)
            m_items->tree->addTopLevelItem(item);
        else
            parentItem->addChild(item);
    });
    return handle;
}

TreeItem TreeView::selectedItem() const
{
    return m_items->selected();
}

TreeItem TreeView::parentOf(TreeItem item) const
{
    const QTreeWidgetItem* found = m_items->find(item);
    return found == nullptr ? NoTreeItem : Items::handleOf(found->parent());
}

std::string TreeView::textOf(TreeItem item) const
{
    const QTreeWidgetItem* found = m_items->find(item);
    return found == nullptr ? std::string() : toolkit::stringOf(found->data(0, GbkTextRole).toByteArray());
}

void TreeView::deleteItem(TreeItem item)
{
    QTreeWidgetItem* found = m_items->find(item);
    if (found == nullptr)
        return;
    std::vector<TreeItem> handles;
    collectHandles(found, handles);
    m_items->change([&] {
        delete found;
        for (TreeItem handle : handles)
            m_items->byHandle.erase(handle);
    });
}

void TreeView::onSelectionChanged(std::function<void(SelectionCause cause)> handler)
{
    m_items->selectionChanged = std::move(handler);
}

void TreeView::onRightButtonDown(std::function<void(int x, int y, int keys)> handler)
{
    m_items->rightButtonDown = std::move(handler);
}

} // namespace platform
