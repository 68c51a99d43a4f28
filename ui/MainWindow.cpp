#include "ui/MainWindow.h"

#include "editing/EditorConfiguration.h"
#include "skin/SkinAttachment.h"
#include "ui/CategoryTree.h"
#include "ui/Commands.h"
#include "ui/Pictures.h"

MainWindow::MainWindow()
    : m_window("MainWindow", "Quillery1.0  By Tamberlo", 1126, 660)
    , m_mainToolbar(m_window, "MainToolbar", 28, toolbarPictures())
    , m_contentFrame(m_window, "ContentFrame", { 0, 30, 1120, 603 })
    , m_categoryTree(m_contentFrame, "CategoryTree", { 3, 8, 192, 590 }, treePictures())
    , m_editorHost(m_contentFrame, "EditorHost", { 196, 8, 920, 590 })
    , m_operationsMenu(m_window, "操作菜单")
{
    m_window.setIcon(programIcon());
    m_window.onCreated([this] { onMainWindowCreated(); });
    fillToolbar();
    fillOperationsMenu();
    connectTree();
}

void MainWindow::show()
{
    m_window.show();
}

void MainWindow::fillToolbar()
{
    m_mainToolbar.addButton(1, "新建分类");
    m_mainToolbar.addButton(0, "添加笔记");
    m_mainToolbar.addButton(8, "删除选中笔记");
    m_mainToolbar.addSeparator();
    m_mainToolbar.addButton(2, "保存编辑内容");
    m_mainToolbar.addButton(6, "复制笔记");
    m_mainToolbar.onButtonClicked([this](int index) { onToolbarButtonClicked(m_categoryTree, index); });
}

void MainWindow::fillOperationsMenu()
{
    m_operationsMenu.addEntry("新建分类", [this] { newCategory(m_categoryTree); });
    m_operationsMenu.addEntry("添加笔记", [this] { openAddNoteWindow(m_categoryTree); });
    m_operationsMenu.addEntry("删除选中", [this] { deleteSelected(m_categoryTree); });
}

void MainWindow::connectTree()
{
    m_categoryTree.onSelectionChanged([this](platform::SelectionCause) { onTreeSelectionChanged(m_categoryTree); });
    m_categoryTree.onRightButtonDown([this](int x, int y, int keys) { onTreeRightButtonDown(x, y, keys); });
}

void MainWindow::onMainWindowCreated()
{
    refreshCategoryTree(m_categoryTree);
    configureEditor(m_editorHost.handle());
    attachSkin();
}

void MainWindow::onTreeRightButtonDown(int, int, int)
{
    m_operationsMenu.popup();
}
