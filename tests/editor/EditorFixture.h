#pragma once

#include "platform/Win32Types.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// What reached the host's own procedure, the one the editor keeps as the
// previous procedure: the message and, for WM_NOTIFY, the record's code.
struct HostMessage {
    UINT message;
    UINT code;
    bool operator==(const HostMessage&) const = default;
};
std::vector<HostMessage>& hostMessages();
// What the host's own procedure answers, so a test sees that it was asked.
inline constexpr LRESULT HostAnswer = 4711;
std::vector<UINT> notificationsPassedOn();

// The calls of the test handlers, in order, written as text.
std::vector<std::string>& handlerCalls();

// A shown host window with a handle, whose own procedure records what
// reaches it, and a fresh TheEditor without a window; the handler slots are
// emptied before and after.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The editor created inside the host, or a failed test.
    void createEditor();
    HWND host() const { return m_hostHandle; }
    QWidget* hostWidget() const { return m_host.get(); }
    QWidget* editorWidget() const;

private:
    std::unique_ptr<QWidget> m_host;
    HWND m_hostHandle = nullptr;
};
