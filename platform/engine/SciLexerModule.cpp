// The engine module "SciLexer": loaded by LoadLibraryA("SciLexer.dll"), it
// registers the window class "Scintilla", whose windows are QScintilla's
// engine. Messages go to the engine as they are; key messages become key
// events of the engine's widget; the engine's notifications go to the
// window's parent as WM_NOTIFY, at once, while the engine waits.

#include "platform/EngineModule.h"
#include "platform/Scintilla.h"
#include "platform/VirtualKeys.h"
#include "platform/Win32.h"

#include <Qsci/qsciscintillabase.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QUrl>

namespace {

const platform::ModuleServices* services = nullptr;

// Sends the record, filled in with its header, to the engine window's parent.
void notifyParent(const QsciScintillaBase* engine, UINT code, SCNotification record = {})
{
    HWND window = services->findWindowOf(engine);
    if (window == nullptr)
        return;
    HWND parent = services->getParent(window);
    record.hwndFrom = window;
    record.idFrom = static_cast<UINT_PTR>(services->getDlgCtrlID(window));
    record.code = code;
    services->sendMessage(parent, WM_NOTIFY, record.idFrom, reinterpret_cast<LPARAM>(&record));
}

// The original's engine reports a change of its text through WM_COMMAND.
void notifyParentOfChange(const QsciScintillaBase* engine)
{
    HWND window = services->findWindowOf(engine);
    if (window == nullptr)
        return;
    auto id = static_cast<WPARAM>(services->getDlgCtrlID(window) & 0xFFFF);
    services->sendMessage(services->getParent(window), WM_COMMAND, id | (static_cast<WPARAM>(SCEN_CHANGE) << 16),
        reinterpret_cast<LPARAM>(window));
}

void connectNotifications(QsciScintillaBase* engine)
{
    using E = QsciScintillaBase;
    auto simple = [engine](UINT code) { return [engine, code] { notifyParent(engine, code); }; };
    QObject::connect(engine, &E::SCN_STYLENEEDED, engine,
        [engine](int position) { notifyParent(engine, SCN_STYLENEEDED, { .position = position }); });
    QObject::connect(
        engine, &E::SCN_CHARADDED, engine, [engine](int ch) { notifyParent(engine, SCN_CHARADDED, { .ch = ch }); });
    QObject::connect(engine, &E::SCN_SAVEPOINTREACHED, engine, simple(SCN_SAVEPOINTREACHED));
    QObject::connect(engine, &E::SCN_SAVEPOINTLEFT, engine, simple(SCN_SAVEPOINTLEFT));
    QObject::connect(engine, &E::SCN_MODIFYATTEMPTRO, engine, simple(SCN_MODIFYATTEMPTRO));
    QObject::connect(engine, &E::SCN_DOUBLECLICK, engine, [engine](int position, int line, int modifiers) {
        notifyParent(engine, SCN_DOUBLECLICK, { .position = position, .modifiers = modifiers, .line = line });
    });
    QObject::connect(engine, &E::SCN_UPDATEUI, engine,
        [engine](int updated) { notifyParent(engine, SCN_UPDATEUI, { .updated = updated }); });
    QObject::connect(engine, &E::SCN_MODIFIED, engine,
        [engine](int position, int modificationType, const char* text, int length, int linesAdded, int line,
            int foldLevelNow, int foldLevelPrev, int token, int annotationLinesAdded) {
            notifyParent(engine, SCN_MODIFIED,
                { .position = position,
                    .modificationType = modificationType,
                    .text = text,
                    .length = length,
                    .linesAdded = linesAdded,
                    .line = line,
                    .foldLevelNow = foldLevelNow,
                    .foldLevelPrev = foldLevelPrev,
                    .token = token,
                    .annotationLinesAdded = annotationLinesAdded });
        });
    QObject::connect(
        engine, &E::SCN_MACRORECORD, engine, [engine](unsigned int message, unsigned long wParam, void* lParam) {
            notifyParent(engine, SCN_MACRORECORD,
                { .message = static_cast<int>(message), .wParam = wParam, .lParam = reinterpret_cast<LPARAM>(lParam) });
        });
    QObject::connect(engine, &E::SCN_MARGINCLICK, engine, [engine](int position, int modifiers, int margin) {
        notifyParent(engine, SCN_MARGINCLICK, { .position = position, .modifiers = modifiers, .margin = margin });
    });
    QObject::connect(engine, &E::SCN_MARGINRIGHTCLICK, engine, [engine](int position, int modifiers, int margin) {
        notifyParent(engine, SCN_MARGINRIGHTCLICK, { .position = position, .modifiers = modifiers, .margin = margin });
    });
    QObject::connect(engine, &E::SCN_NEEDSHOWN, engine, [engine](int position, int length) {
        notifyParent(engine, SCN_NEEDSHOWN, { .position = position, .length = length });
    });
    QObject::connect(engine, &E::SCN_PAINTED, engine, simple(SCN_PAINTED));
    QObject::connect(engine, QOverload<const char*, int, int, int, int>::of(&E::SCN_USERLISTSELECTION), engine,
        [engine](const char* selection, int id, int ch, int method, int position) {
            notifyParent(engine, SCN_USERLISTSELECTION,
                { .position = position, .ch = ch, .text = selection, .listType = id, .listCompletionMethod = method });
        });
    QObject::connect(engine, &E::SCN_URIDROPPED, engine, [engine](const QUrl& url) {
        QByteArray text = url.toString().toUtf8();
        notifyParent(engine, SCN_URIDROPPED, { .text = text.constData() });
    });
    QObject::connect(engine, &E::SCN_DWELLSTART, engine, [engine](int position, int x, int y) {
        notifyParent(engine, SCN_DWELLSTART, { .position = position, .x = x, .y = y });
    });
    QObject::connect(engine, &E::SCN_DWELLEND, engine, [engine](int position, int x, int y) {
        notifyParent(engine, SCN_DWELLEND, { .position = position, .x = x, .y = y });
    });
    QObject::connect(engine, &E::SCN_ZOOM, engine, simple(SCN_ZOOM));
    auto positionAndModifiers = [engine](UINT code) {
        return [engine, code](int position, int modifiers) {
            notifyParent(engine, code, { .position = position, .modifiers = modifiers });
        };
    };
    QObject::connect(engine, &E::SCN_HOTSPOTCLICK, engine, positionAndModifiers(SCN_HOTSPOTCLICK));
    QObject::connect(engine, &E::SCN_HOTSPOTDOUBLECLICK, engine, positionAndModifiers(SCN_HOTSPOTDOUBLECLICK));
    QObject::connect(engine, &E::SCN_HOTSPOTRELEASECLICK, engine, positionAndModifiers(SCN_HOTSPOTRELEASECLICK));
    QObject::connect(engine, &E::SCN_INDICATORCLICK, engine, positionAndModifiers(SCN_INDICATORCLICK));
    QObject::connect(engine, &E::SCN_INDICATORRELEASE, engine, positionAndModifiers(SCN_INDICATORRELEASE));
    // The position of a call tip's click is the arrow clicked: 1 up, 2 down, 0 elsewhere.
    QObject::connect(engine, &E::SCN_CALLTIPCLICK, engine,
        [engine](int direction) { notifyParent(engine, SCN_CALLTIPCLICK, { .position = direction }); });
    auto listChoice = [engine](UINT code) {
        return [engine, code](const char* selection, int position, int ch, int method) {
            notifyParent(
                engine, code, { .position = position, .ch = ch, .text = selection, .listCompletionMethod = method });
        };
    };
    QObject::connect(engine, QOverload<const char*, int, int, int>::of(&E::SCN_AUTOCSELECTION), engine,
        listChoice(SCN_AUTOCSELECTION));
    QObject::connect(engine, &E::SCN_AUTOCCOMPLETED, engine, listChoice(SCN_AUTOCCOMPLETED));
    QObject::connect(
        engine, &E::SCN_AUTOCSELECTIONCHANGE, engine, [engine](const char* selection, int id, int position) {
            notifyParent(engine, SCN_AUTOCSELECTIONCHANGE, { .position = position, .text = selection, .listType = id });
        });
    QObject::connect(engine, &E::SCN_AUTOCCANCELLED, engine, simple(SCN_AUTOCCANCELLED));
    QObject::connect(engine, &E::SCN_AUTOCCHARDELETED, engine, simple(SCN_AUTOCCHARDELETED));
    QObject::connect(engine, &E::SCN_FOCUSIN, engine, simple(SCN_FOCUSIN));
    QObject::connect(engine, &E::SCN_FOCUSOUT, engine, simple(SCN_FOCUSOUT));
    QObject::connect(engine, &E::SCEN_CHANGE, engine, [engine] { notifyParentOfChange(engine); });
}

QWidget* createEngine(QWidget* parent)
{
    auto* engine = new QsciScintillaBase(parent);
    // The engine the program was made for ends a new line with CR LF on its
    // platform, as the notes' lines end; here it would write LF alone.
    engine->SendScintilla(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CRLF);
    connectNotifications(engine);
    return engine;
}

// A key message is the key going down or up, without the character it
// types: as on the original, only keys the engine binds to a command act.
void sendKey(QsciScintillaBase* engine, UINT message, WPARAM virtualKey, LPARAM flags)
{
    int key = platform::qtKeyOf(virtualKey);
    if (key == Qt::Key_unknown)
        return;
    bool press = message == WM_KEYDOWN;
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, QGuiApplication::keyboardModifiers(), QString(),
        press && (flags & KeyFlagWasDown) != 0);
    QCoreApplication::sendEvent(engine, &event);
}

LRESULT engineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto* engine = qobject_cast<QsciScintillaBase*>(services->widgetOf(window))) {
        if (message >= SCI_START)
            return engine->SendScintilla(message, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
        if (message == WM_KEYDOWN || message == WM_KEYUP) {
            sendKey(engine, message, wParam, lParam);
            return 0;
        }
    }
    return services->defWindowProc(window, message, wParam, lParam);
}

} // namespace

extern "C" __attribute__((visibility("default"))) int QuilleryModuleAttach(const platform::ModuleServices* given)
{
    services = given;
    return services->registerWindowClass("Scintilla", engineWindowProc, createEngine) ? 1 : 0;
}
