#pragma once

#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace platform {

// A top-level window of a fixed size, opened centred on the screen, with a
// minimize button and no maximize button.
class TopLevelWindow {
public:
    TopLevelWindow(std::string_view gbkTitle, int width, int height);
    ~TopLevelWindow();
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;

    void show();

private:
    std::unique_ptr<QWidget> m_widget;
};

}  // namespace platform
