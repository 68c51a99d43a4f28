#pragma once

#include "platform/Toolkit.h"

// The start-up window: the toolbar, the category tree at the left and the
// panel of the editor at the right, inside a frame.
class MainWindow {
public:
    MainWindow();

    void show();

    void onMainWindowCreated();
    void onTreeRightButtonDown(int x, int y, int keys);

    platform::TreeView& categoryTree() { return m_categoryTree; }

private:
    void fillToolbar();
    void fillOperationsMenu();
    void connectTree();

    platform::Window m_window;
    platform::Toolbar m_mainToolbar;
    platform::GroupBox m_contentFrame;
    platform::TreeView m_categoryTree;
    platform::Panel m_editorHost;
    platform::PopupMenu m_operationsMenu;
};
