#include "CarriedSkinText.h"
#include "KeptLook.h"
#include "SkinDigest.h"
#include "ui/UiFixture.h"

#include "app/Globals.h"
#include "app/ProgramDirectory.h"
#include "editor/CodeEditor.h"
#include "platform/Process.h"
#include "platform/Scintilla.h"
#include "platform/Win32Qt.h"
#include "skin/SkinAttachment.h"

#include <Qsci/qsciscintillabase.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The program's store and windows, with the skin library beside the test
// program as the test leaves it, and the look of the application put back.
class SkinAttachmentTest : public UiTest {
protected:
    static fs::path besideProgram() { return fs::path(programDirectory()) / "libSkinH_EL.so"; }
    static std::vector<unsigned char> bytesBesideProgram()
    {
        std::string bytes = fileBytes(besideProgram());
        return std::vector<unsigned char>(bytes.begin(), bytes.end());
    }

    KeptLook m_keptLook;
};

// Every write of a file fails, as in a folder the program may not write.
platform::FileSystemCalls refusedWrites()
{
    platform::FileSystemCalls calls = platform::realFileSystemCalls();
    calls.write = [](int, const void*, size_t) -> ssize_t {
        errno = EROFS;
        return -1;
    };
    return calls;
}

TEST_F(SkinAttachmentTest, WritesTheCarriedLibraryBesideTheProgramOverWhateverWasThere)
{
    struct Before {
        const char* what;
        std::optional<std::string> bytes;
    };
    const Before cases[] = {
        { "no file", std::nullopt },
        { "a longer file", std::string(SkinLibraryImage.size() * 2, 'x') },
        { "a shorter file", "not a library" },
        { "an empty file", "" },
    };
    for (const Before& before : cases) {
        SCOPED_TRACE(before.what);
        fs::remove(besideProgram());
        if (before.bytes)
            makeFile(besideProgram(), *before.bytes);
        attachSkin();
        EXPECT_EQ(bytesBesideProgram(), carriedLibraryImage());
    }
}

// A file's bytes mapped as the loader maps a library.
class MappedFile {
public:
    explicit MappedFile(const fs::path& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
        , m_size(fs::file_size(path))
        , m_bytes(::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, m_fd, 0))
    {
    }
    ~MappedFile()
    {
        ::munmap(m_bytes, m_size);
        ::close(m_fd);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string bytes() const { return std::string(static_cast<const char*>(m_bytes), m_size); }

private:
    int m_fd;
    size_t m_size;
    void* m_bytes;
};

// A second start replaces the file a first one still has loaded: cut short in
// place, the first one's pages past the new end would be gone from under it.
TEST_F(SkinAttachmentTest, ALibraryInUseKeepsItsBytesWhenAnotherStartReplacesIt)
{
    const std::string inUse(SkinLibraryImage.size() * 3, 'r');
    makeFile(besideProgram(), inUse);
    MappedFile loaded(besideProgram());
    attachSkin();
    EXPECT_EQ(loaded.bytes(), inUse);
    EXPECT_EQ(bytesBesideProgram(), carriedLibraryImage());
}

QColor colourAt(QWidget* window, QPoint place)
{
    return window->grab().toImage().pixelColor(place);
}

TEST_F(SkinAttachmentTest, TheSkinReachesTheMainWindowAndTheWindowsOpenedLater)
{
    ASSERT_NE(QApplication::palette().color(QPalette::Window), skinColour("window"));
    fs::create_directory(storeRoot() / "C");
    openMainWindow();
    EXPECT_EQ(mainWindow()->palette().color(QPalette::Window), skinColour("window"));
    // Beside the first toolbar button.
    EXPECT_EQ(colourAt(mainWindow(), { 2, 15 }), skinColour("toolbar"));

    QColor addNoteWindow;
    QColor messageBox;
    answers
        .then(actIn([&](QWidget* window) {
            addNoteWindow = colourAt(window, { 2, 2 });
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SaveNoteButton")), Qt::LeftButton);
            keyIn(Qt::Key_Escape)(window);
        }))
        .then(actIn([&](QWidget* box) {
            messageBox = colourAt(box, { 2, 2 });
            press("确定")(box);
        }));
    clickToolbarButton("添加笔记");
    EXPECT_EQ(answers.shown(), (QStringList { "添加笔记", "信息：|请选择在哪个分类中添加笔记" }));
    EXPECT_EQ(addNoteWindow, skinColour("window"));
    EXPECT_EQ(messageBox, skinColour("window"));
}

// What the engine shows inside its frame.
QImage textArea()
{
    auto* engine = static_cast<QAbstractScrollArea*>(platform::widgetOf(TheEditor->windowHandle()));
    return engine->viewport()->grab().toImage();
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return differing;
}

TEST_F(SkinAttachmentTest, TheEditorsTextAreaKeepsItsOwnLook)
{
    platform::Window window("EditorWindow", "", 640, 360);
    platform::Panel host(window, "EditorHost", { 0, 0, 600, 300 });
    window.show();
    ASSERT_NE(TheEditor->create(host.handle()), 0);
    TheEditor->move(0, 0, 600, 300);
    TheEditor->setText("int main()\r\n{\r\n    return 0; // \xe4\xbd\xa0\xe5\xa5\xbd\r\n}\r\n");
    TheEditor->sendMessage(SCI_SETSEL, 4, 10);
    // A caret that does not blink looks the same in both pictures.
    TheEditor->sendMessage(QsciScintillaBase::SCI_SETCARETPERIOD, 0);
    settle();
    const QImage unskinned = textArea();
    attachSkin();
    settle();
    EXPECT_EQ(differingPixels(textArea(), unskinned), 0);
}

TEST_F(SkinAttachmentTest, TheEntryIsHandedTheSkinItsLengthAnEmptyTextAndThreeZeros)
{
    fs::copy_file(RECORDING_SKIN_LIBRARY, besideProgram(), fs::copy_options::overwrite_existing);
    char expected[96];
    std::snprintf(expected, sizeof expected, "SkinH_Attach_Res\\(%08x, %zu, \"\", 0, 0, 0\\)",
        skinDigest(SkinData.data(), static_cast<int>(SkinData.size())), SkinData.size());
    auto attachWhereNothingCanBeWritten = [] {
        FailingCalls failing(refusedWrites());
        attachSkin();
        std::_Exit(0);
    };
    EXPECT_EXIT(attachWhereNothingCanBeWritten(), ::testing::ExitedWithCode(0), expected);
}

void sayGlobalsReleased()
{
    std::fputs("globals released\n", stderr);
}

std::string libraryBesideProgram;

// Registered before the end processing, so that it runs after it.
void sayWhetherTheLibraryIsStillLoaded()
{
    bool loaded = ::dlopen(libraryBesideProgram.c_str(), RTLD_NOW | RTLD_NOLOAD) != nullptr;
    std::fputs(loaded ? "still loaded\n" : "no longer loaded\n", stderr);
}

TEST_F(SkinAttachmentTest, TheNormalEndReleasesTheLibraryAfterTheGlobals)
{
    fs::copy_file(RECORDING_SKIN_LIBRARY, besideProgram(), fs::copy_options::overwrite_existing);
    auto attachThenEnd = [] {
        libraryBesideProgram = besideProgram().string();
        std::atexit(sayWhetherTheLibraryIsStillLoaded);
        FailingCalls failing(refusedWrites());
        platform::registerAtNormalEnd(sayGlobalsReleased);
        attachSkin();
        std::exit(0);
    };
    EXPECT_EXIT(
        attachThenEnd(), ::testing::ExitedWithCode(0), "globals released\nskin library released\nno longer loaded\n");
}

// The main window found before it is shown, as it is while it is being created.
QWidget* mainWindowBeingCreated()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("MainWindow"))
            return window;
    }
    return nullptr;
}

// Says what there is when the fatal error's box shows, then answers it.
void reportAndAnswer(QWidget* box)
{
    auto* tree = mainWindowBeingCreated()->findChild<QTreeWidget*>(QStringLiteral("CategoryTree"));
    QStringList items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        items << tree->topLevelItem(i)->text(0) + '(' + tree->topLevelItem(i)->child(0)->text(0) + ')';
    bool editorWindow = TheEditor->windowHandle() != nullptr;
    std::fprintf(stderr, "tree: %s\neditor: %s, %ld bytes\nbox: %s\n", items.join(' ').toUtf8().constData(),
        editorWindow ? "a window" : "no window", static_cast<long>(TheEditor->getTextLength()),
        qobject_cast<QMessageBox*>(box)->text().toUtf8().constData());
    press("确定")(box);
}

TEST_F(SkinAttachmentTest, WithoutALibraryAnywhereStartUpEndsWith255AfterTheTreeAndTheEditor)
{
    makeNote("A", "x.txt", "int x;");
    fs::remove(besideProgram());
    auto startInAFolderThatCannotBeWritten = [this] {
        FailingCalls failing(refusedWrites());
        answers.then(actIn(reportAndAnswer));
        m_mainWindow = std::make_unique<MainWindow>();
        m_mainWindow->show();
    };
    EXPECT_EXIT(startInAFolderThatCannotBeWritten(), ::testing::ExitedWithCode(255),
        "tree: A\\(x\\)\neditor: a window, 1117 bytes\nbox: .*SkinH_EL\\.dll.*SkinH_Attach_Res");
    EXPECT_FALSE(fs::exists(besideProgram()));
    // Nor is the write's temporary file left behind.
    for (const fs::directory_entry& entry : fs::directory_iterator(programDirectory()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".quillery-")) << entry.path();
}

} // namespace
