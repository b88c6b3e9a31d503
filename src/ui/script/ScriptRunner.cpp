#include "ui/script/ScriptRunner.h"

#include "core/prompts/Prompts.h"
#include "ui/frame/MainWindow.h"
#include "ui/script/ScriptControls.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QSaveFile>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>
#include <functional>

namespace vistello {

namespace {

// The widget under a main-window point and the point in its coordinates.
std::pair<QWidget*, QPoint> targetAt(MainWindow& window, QPoint at)
{
    QWidget* target = window.childAt(at);
    if (!target)
        target = &window;
    return {target, target->mapFrom(&window, at)};
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF global = target->mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), QPointF(local), global, button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

// Events sent by the script are not spontaneous, so Qt leaves the focus
// alone: a press gives it as a real click would.
void focusOnPress(QWidget* target)
{
    for (QWidget* widget = target; widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (widget->isWindow())
            return;
    }
}

void settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

constexpr int kIdleWaitMs = 30000;

// Posted events done, then until no loader or transition works, for at most kIdleWaitMs.
void waitIdle(const MainWindow& window)
{
    settle();
    QElapsedTimer clock;
    clock.start();
    while (!window.idle() && clock.elapsed() < kIdleWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    settle();
}

// Until the overview holds every tile, for at most ms.
void waitForTiles(const MainWindow& window, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!window.overviewComplete() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

// Until no background job is registered, for at most ms; false when one still runs.
constexpr int kButtonWaitMs = 2000;

// busy: a job runs or its results are still on their way to the views.
bool waitForJobs(int ms, const std::function<bool()>& busy)
{
    QElapsedTimer clock;
    clock.start();
    while (busy()) {
        if (clock.elapsed() >= ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

} // namespace

ScriptRunner::ScriptRunner(MainWindow& window, ScriptedPrompts& prompts, QObject* parent)
    : QObject(parent), window_(window), prompts_(prompts)
{
}

ScriptRunner::~ScriptRunner()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void ScriptRunner::fail(const QString& message)
{
    const QByteArray text = (QStringLiteral("VISTELLO_SCRIPT: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

bool ScriptRunner::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ScriptLine parsed = parseScriptLine(lines[i]);
        if (!parsed.error.isEmpty()) {
            fail(QStringLiteral("line %1: %2").arg(i + 1).arg(parsed.error));
            return false;
        }
        if (parsed.command)
            commands_.emplace_back(int(i + 1), *parsed.command);
    }
    return true;
}

void ScriptRunner::start()
{
    // Menus and modal dialogs are watched for as they show.
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, &ScriptRunner::runNext);
}

void ScriptRunner::runNext()
{
    if (next_ >= commands_.size())
        return;
    const auto& [line, command] = commands_[next_++];
    // A line that opens a modal dialog returns only once the dialog closed:
    // the next lines run inside the dialog's event loop meanwhile.
    bool handedOn = false;
    bool* const outer = std::exchange(handedOn_, &handedOn);
    const bool ok = run(command);
    handedOn_ = outer;
    if (!ok) {
        fail(QStringLiteral("line %1 failed").arg(line));
        QCoreApplication::exit(2);
        return;
    }
    if (command.kind == ScriptCommand::Kind::Quit || handedOn)
        return;
    const int delay = command.kind == ScriptCommand::Kind::Wait ? command.numbers[0] : 0;
    QTimer::singleShot(delay, this, &ScriptRunner::runNext);
}

bool ScriptRunner::run(const ScriptCommand& command)
{
    using Kind = ScriptCommand::Kind;
    const std::vector<int>& n = command.numbers;
    switch (command.kind) {
    case Kind::Resize: window_.resize(n[0], n[1]); break;
    case Kind::Key: sendKey(command.keys); break;
    case Kind::Type: sendText(command.text); break;
    case Kind::Click: sendClick({n[0], n[1]}, command.click); break;
    case Kind::Drag: sendDrag({n[0], n[1]}, {n[2], n[3]}); break;
    case Kind::Wheel: sendWheel({n[0], n[1]}, n[2]); break;
    case Kind::Hover: sendHover({n[0], n[1]}); break;
    case Kind::Command: window_.runCommand(n[0]); break;
    case Kind::Answer: prompts_.queueAnswer(command.text); break;
    case Kind::Pane: window_.setSelectionViewVisible(command.text == QLatin1String("show")); break;
    case Kind::WaitTiles: waitForTiles(window_, n[0]); break;
    case Kind::Wait: break;
    case Kind::WaitIdle: waitIdle(window_); break;
    case Kind::Shot: settle(); return window_.grab().save(command.text, "PNG");
    case Kind::State: settle(); return writeState(command.text);
    case Kind::Drop: sendDrop({n[0], n[1]}, command.text.split(QLatin1Char('|'))); break;
    case Kind::Menu: menuChoice_ = command.text; break;
    case Kind::Button: {
        // A button that comes with a job's row appears once the job reported its start.
        QElapsedTimer clock;
        clock.start();
        QString error = pressScriptButton(window_, command.text);
        while (!error.isEmpty() && clock.elapsed() < kButtonWaitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
            error = pressScriptButton(window_, command.text);
        }
        return succeeded(error);
    }
    case Kind::Tick: return succeeded(tickScriptCheckBox(window_, command.text, command.on));
    case Kind::Fill: return succeeded(fillScriptField(window_, command));
    case Kind::Task: return succeeded(clickScriptTask(window_, command.text));
    case Kind::Select:
        if (!window_.selectForScript(command.text == QLatin1String("all"), command.numbers))
            return succeeded(QStringLiteral("an index of \"select\" is outside the list"));
        break;
    case Kind::WaitJobs:
        if (!waitForJobs(n[0], [this] { return window_.jobsRunning(); }))
            return succeeded(QStringLiteral("background jobs still run after %1 ms").arg(n[0]));
        break;
    case Kind::Quit:
        window_.close();
        QCoreApplication::exit(0);
        break;
    }
    return true;
}

void ScriptRunner::sendKey(QKeyCombination keys)
{
    QWidget* target = window_.focusWidget();
    if (!target)
        target = &window_;
    QKeyEvent press(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, keys.key(), keys.keyboardModifiers());
    QApplication::sendEvent(target, &release);
}

// Each character as a key press carrying its text, to the focused widget.
void ScriptRunner::sendText(const QString& text)
{
    QWidget* target = window_.focusWidget();
    if (!target)
        target = &window_;
    for (const QChar ch : text) {
        // Printable ASCII has key codes equal to its upper-case character.
        const int key = ch.unicode() < 0x80 ? ch.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

void ScriptRunner::sendClick(QPoint at, ScriptCommand::Click click)
{
    const auto [target, local] = targetAt(window_, at);
    const Qt::MouseButton button = click == ScriptCommand::Click::Right ? Qt::RightButton : Qt::LeftButton;
    const Qt::KeyboardModifiers modifiers = click == ScriptCommand::Click::Ctrl ? Qt::ControlModifier : Qt::NoModifier;
    focusOnPress(target);
    sendMouse(target, QEvent::MouseButtonPress, local, button, button, modifiers);
    if (button == Qt::RightButton) {
        // As the window system does after a right press: the widget's context menu.
        QContextMenuEvent menu(QContextMenuEvent::Mouse, local, target->mapToGlobal(local), modifiers);
        QApplication::sendEvent(target, &menu);
    }
    sendMouse(target, QEvent::MouseButtonRelease, local, button, Qt::NoButton, modifiers);
    if (click == ScriptCommand::Click::Double) {
        sendMouse(target, QEvent::MouseButtonDblClick, local, button, button);
        sendMouse(target, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
    }
}

// The pointer comes to rest over a point, no button held.
void ScriptRunner::sendHover(QPoint at)
{
    const auto [target, local] = targetAt(window_, at);
    QEnterEvent enter(local, target->mapTo(&window_, local), target->mapToGlobal(local));
    QApplication::sendEvent(target, &enter);
    sendMouse(target, QEvent::MouseMove, local, Qt::NoButton, Qt::NoButton);
}

void ScriptRunner::sendDrag(QPoint from, QPoint to)
{
    // The pressed widget keeps the mouse until the release, as with a real grab.
    const auto [target, local] = targetAt(window_, from);
    focusOnPress(target);
    sendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        const QPoint point = from + (to - from) * step / kSteps;
        sendMouse(target, QEvent::MouseMove, target->mapFrom(&window_, point), Qt::NoButton, Qt::LeftButton);
    }
    sendMouse(target, QEvent::MouseButtonRelease, target->mapFrom(&window_, to), Qt::LeftButton, Qt::NoButton);
}

void ScriptRunner::sendWheel(QPoint at, int steps)
{
    const auto [target, local] = targetAt(window_, at);
    QWheelEvent event(QPointF(local), target->mapToGlobal(QPointF(local)), QPoint(), QPoint(0, steps * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

bool ScriptRunner::writeState(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QJsonObject state = window_.stateJson();
    // The messages shown so far, oldest first.
    state.insert(QStringLiteral("messages"), QJsonArray::fromStringList(prompts_.shown()));
    file.write(QJsonDocument(state).toJson());
    return file.commit();
}

// As a drag from another program ends: the widget under the point that
// takes drops gets enter, move and drop; one that refuses hands it on to
// its parent.
void ScriptRunner::sendDrop(QPoint at, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    for (QWidget* target = targetAt(window_, at).first; target; target = target->parentWidget()) {
        if (!target->acceptDrops())
            continue;
        const QPointF local = target->mapFrom(&window_, QPointF(at));
        QDragEnterEvent enter(local.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(local.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (enter.isAccepted() && move.isAccepted()) {
            QDropEvent drop(local, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            return;
        }
    }
}

bool ScriptRunner::succeeded(const QString& error)
{
    if (!error.isEmpty())
        fail(error);
    return error.isEmpty();
}

// "menu TEXT" waits for the next menu to show and picks its entry as a user
// would: made active, then Return. A modal dialog that shows while a line
// runs lets the following lines run in its event loop.
bool ScriptRunner::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() != QEvent::Show || !object->isWidgetType())
        return false;
    if (auto* menu = qobject_cast<QMenu*>(object); menu && !menuChoice_.isEmpty() && !menuShown_) {
        menuShown_ = true;
        QTimer::singleShot(0, menu, [this, menu] { chooseMenuEntry(menu); });
    } else if (auto* widget = static_cast<QWidget*>(object); widget->isWindow() && widget->isModal()) {
        if (handedOn_ && !*handedOn_) {
            *handedOn_ = true;
            QTimer::singleShot(0, this, &ScriptRunner::runNext);
        }
    }
    return false;
}

void ScriptRunner::chooseMenuEntry(QMenu* menu)
{
    const QString wanted = std::exchange(menuChoice_, QString());
    menuShown_ = false;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || QString(action->text()).remove(QLatin1Char('&')) != wanted)
            continue;
        menu->setActiveAction(action);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
        return;
    }
    fail(QStringLiteral("no menu entry \"%1\"").arg(wanted));
    menu->close();
}

} // namespace vistello
