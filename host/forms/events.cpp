// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/events.h"

#include "host/forms/messages.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/fault.h"
#include "host/numbers/round_trip_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include <cmath>
#include <vector>

namespace host {

namespace {

int handlerDepth = 0;
int eventLoopDepth = 0; // the handler depth of the innermost yield's event processing
int runningYields = 0;
long long yieldCount = 0;

ActionWatcher &watcher()
{
    static ActionWatcher watching;
    return watching;
}

constexpr const char *noticedProperty = "host.noticed";

// Reports a control's clicks (a button), values (a scroll bar) or choices (a menu item) to the
// watcher, once however many handlers are bound; connected before the first handler, so that
// the watcher sees the action before any handler runs.
template <typename Object, typename Signal, typename Arguments>
void noticeOnce(Object *control, Signal signal, const QString &command, Arguments arguments)
{
    if (isNoticed(control))
        return;
    control->setProperty(noticedProperty, true);
    QObject::connect(control, signal, control, [control, command, arguments] {
        noticeAction(control, command, arguments(control));
    });
}

QString noArguments(const QObject *) { return {}; }

// A user coordinate as text that the script's mouse line turns back into the same user
// position: the nearest double to the one given whose way through the device is exact.
QString exactUser(const PictureArea *area, QPointF user, bool horizontal)
{
    auto coordinate = [horizontal](QPointF point) { return horizontal ? point.x() : point.y(); };
    auto with = [&](double value) {
        return horizontal ? QPointF(value, user.y()) : QPointF(user.x(), value);
    };
    const double wanted = coordinate(user);
    double up = wanted, down = wanted;
    for (int step = 0; step < 16; ++step) {
        for (double candidate : {up, down})
            if (coordinate(area->scale().toUser(area->scale().toDevice(with(candidate)))) == wanted)
                return QString::fromStdString(roundTripText(candidate));
        up = std::nextafter(up, HUGE_VAL);
        down = std::nextafter(down, -HUGE_VAL);
    }
    return QString::fromStdString(roundTripText(wanted));
}

// A picture area's mouse event as a script's mouse line has it: down, move (with the left
// button held) or up, in user units; empty for what a line cannot make.
QString mouseArguments(const PictureArea *area, const QMouseEvent *event)
{
    QString action;
    if (event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton)
        action = "down";
    else if (event->type() == QEvent::MouseMove && event->buttons() == Qt::LeftButton)
        action = "move";
    else if (event->type() == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton)
        action = "up";
    else
        return {};
    const QPointF user = area->scale().toUser(event->position());
    return action + " " + exactUser(area, user, true) + " " + exactUser(area, user, false);
}

int classicButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int classicShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

// Whether a release is over the control: the pixel its position rounds to lies inside. A
// position far beyond any screen (a script's) is outside without being rounded to an integer.
bool releasedOver(const QWidget *control, QPointF at)
{
    return QRectF(control->rect()).adjusted(-1, -1, 1, 1).contains(at)
        && control->rect().contains(at.toPoint());
}

int keyCode(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    default:
        return key->text().isEmpty() ? 0 : key->text().front().unicode();
    }
}

// A picture area's right button opens its menu (picture_area.h): its handlers never
// see that button, so a right click neither draws nor starts a drag there.
bool opensAreaMenu(QWidget *control, const QMouseEvent *event)
{
    if (!qobject_cast<PictureArea *>(control))
        return false;
    return event->type() == QEvent::MouseMove ? event->buttons() == Qt::RightButton
                                              : event->button() == Qt::RightButton;
}

// The mouse, click and key handlers of one control, run from one event filter so that all
// handlers of an event run, in the order they were bound.
class ControlEvents : public QObject
{
public:
    static ControlEvents &of(QWidget *control)
    {
        auto *events = control->findChild<QObject *>(objectName, Qt::FindDirectChildrenOnly);
        return events ? *static_cast<ControlEvents *>(events) : *new ControlEvents(control);
    }

    std::vector<MouseHandler> mouseDown, mouseMove, mouseUp;
    std::vector<std::function<void()>> click;
    std::vector<std::function<void(int)>> keyPress;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_pressGesture = newGesture();
            [[fallthrough]];
        case QEvent::MouseMove:
            // A disabled control takes no mouse input, but its filters still see the events.
            if (control->isEnabled()
                && !opensAreaMenu(control, static_cast<QMouseEvent *>(event))) {
                noticeMouse(control, static_cast<QMouseEvent *>(event));
                deliverMouse(control, static_cast<QMouseEvent *>(event));
            }
            return false;
        case QEvent::MouseButtonRelease: {
            if (!control->isEnabled() || opensAreaMenu(control, static_cast<QMouseEvent *>(event)))
                return false;
            noticeMouse(control, static_cast<QMouseEvent *>(event));
            // The control reacts to the release first, so that the handlers see its result.
            watched->event(event);
            deliverMouse(control, static_cast<QMouseEvent *>(event));
            const bool over = releasedOver(control, static_cast<QMouseEvent *>(event)->position());
            // A label's click is its own action; a picture area's is its press and release,
            // a button's its clicked signal.
            if (!click.empty() && over && !qobject_cast<PictureArea *>(control)
                && !qobject_cast<QAbstractButton *>(control))
                noticeAction(control, "click");
            if (!click.empty() && over)
                runAll(click, {control, m_pressGesture});
            return true;
        }
        case QEvent::KeyPress:
            if (int code = keyCode(static_cast<QKeyEvent *>(event)))
                for (const auto &handler : std::vector(keyPress))
                    runHandler([&] { handler(code); }, {control, 0});
            return false;
        default:
            return false;
        }
    }

private:
    static constexpr const char *objectName = "host.controlEvents";

    explicit ControlEvents(QWidget *control)
        : QObject(control)
    {
        setObjectName(objectName);
        control->installEventFilter(this);
    }

    static void runAll(const std::vector<std::function<void()>> &handlers, HandlerSource source)
    {
        // A copy: a handler may bind further handlers.
        for (const auto &handler : std::vector(handlers))
            runHandler(handler, source);
    }

    static void noticeMouse(QWidget *control, const QMouseEvent *event)
    {
        if (auto *area = qobject_cast<PictureArea *>(control))
            if (const QString arguments = mouseArguments(area, event); !arguments.isEmpty())
                noticeAction(control, "mouse", arguments);
    }

    void deliverMouse(QWidget *control, QMouseEvent *event)
    {
        const auto &handlers = event->type() == QEvent::MouseButtonPress ? mouseDown
            : event->type() == QEvent::MouseMove                         ? mouseMove
                                                                         : mouseUp;
        if (handlers.empty())
            return;
        const int button = classicButtons(event->type() == QEvent::MouseMove ? event->buttons()
                                                                             : event->button());
        const int shift = classicShift(event->modifiers());
        auto *area = qobject_cast<PictureArea *>(control);
        const QPointF position
            = area ? area->scale().toUser(event->position()) : event->position() * 15;
        // A move with no button held goes on with no press.
        const HandlerSource source {
            control,
            event->type() == QEvent::MouseMove && button == 0 ? newGesture() : m_pressGesture};
        for (const auto &handler : std::vector(handlers))
            runHandler([&] { handler(button, shift, position); }, source);
    }

    std::uint64_t m_pressGesture = newGesture();
};

} // namespace

namespace {

struct HandlerHooks
{
    QPointer<QObject> owner;
    std::function<void(const HandlerSource &)> before;
    std::function<void()> after;
};

std::vector<HandlerHooks> &handlerHooks()
{
    static std::vector<HandlerHooks> hooks;
    return hooks;
}

// A copy of the live hooks: a hook may add hooks or end its owner.
std::vector<HandlerHooks> liveHooks()
{
    std::erase_if(handlerHooks(), [](const HandlerHooks &hooks) { return !hooks.owner; });
    return handlerHooks();
}

} // namespace

void watchActions(ActionWatcher watching) { watcher() = std::move(watching); }

void noticeAction(QObject *control, const QString &command, const QString &arguments)
{
    if (watcher() && atEventLoop())
        watcher()(control, command, arguments);
}

bool isNoticed(const QObject *control) { return control->property(noticedProperty).toBool(); }

bool atEventLoop() { return handlerDepth == eventLoopDepth; }

int yieldDepth() { return runningYields; }

long long yieldsSoFar() { return yieldCount; }

YieldLevel::YieldLevel()
    : m_savedBase(eventLoopDepth)
{
    ++yieldCount;
    ++runningYields;
    eventLoopDepth = handlerDepth;
}

YieldLevel::~YieldLevel()
{
    eventLoopDepth = m_savedBase;
    --runningYields;
}

std::uint64_t newGesture()
{
    static std::uint64_t gestures = 0;
    return ++gestures;
}

void runHandler(const std::function<void()> &handler, HandlerSource source)
{
    if (handlerDepth == 0)
        for (const HandlerHooks &hooks : liveHooks())
            if (hooks.owner && hooks.before)
                hooks.before(source);
    ++handlerDepth;
    try {
        handler();
    } catch (const Fault &fault) {
        reportFault(QString::fromStdString(fault.what()));
    } catch (const std::exception &error) {
        reportFault(QStringLiteral("Unexpected error: %1").arg(error.what()));
    }
    if (--handlerDepth == 0)
        for (const HandlerHooks &hooks : liveHooks())
            if (hooks.owner && hooks.after)
                hooks.after();
}

void beforeHandlers(QObject *owner, std::function<void(const HandlerSource &)> hook)
{
    handlerHooks().push_back({owner, std::move(hook), {}});
}

void afterHandlers(QObject *owner, std::function<void()> hook)
{
    handlerHooks().push_back({owner, {}, std::move(hook)});
}

void onClick(QWidget *control, std::function<void()> handler)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        noticeOnce(button, &QAbstractButton::clicked, "click", noArguments);
        QObject::connect(button, &QAbstractButton::clicked, button, [button, handler] {
            runHandler(handler, {button, newGesture()});
        });
    } else {
        ControlEvents::of(control).click.push_back(std::move(handler));
    }
}

void onMenuClick(QAction *menuItem, std::function<void()> handler)
{
    noticeOnce(menuItem, &QAction::triggered, "menu", noArguments);
    QObject::connect(menuItem, &QAction::triggered, menuItem, [menuItem, handler] {
        runHandler(handler, {menuItem, newGesture()});
    });
}

namespace {

QString barValue(const ScrollBar *bar) { return QString::number(bar->value()); }

} // namespace

void onChange(ScrollBar *bar, std::function<void()> handler)
{
    noticeOnce(bar, &ScrollBar::changed, "set", barValue);
    QObject::connect(bar, &ScrollBar::changed, bar, [bar, handler] { runHandler(handler, {bar}); });
}

void onScroll(ScrollBar *bar, std::function<void()> handler)
{
    noticeOnce(bar, &ScrollBar::changed, "set", barValue);
    QObject::connect(bar, &ScrollBar::scrolled, bar,
                     [bar, handler] { runHandler(handler, {bar}); });
}

void onScrollOrChange(ScrollBar *bar, std::function<void(int value)> handler)
{
    auto moved = [bar, handler = std::move(handler)] { handler(bar->value()); };
    onScroll(bar, moved);
    onChange(bar, moved);
}

void onChange(QLineEdit *box, std::function<void()> handler)
{
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box, handler] { runHandler(handler, {box}); });
}

void onKeyPress(QLineEdit *box, std::function<void(int keyCode)> handler)
{
    ControlEvents::of(box).keyPress.push_back(std::move(handler));
}

void onMouseDown(QWidget *control, MouseHandler handler)
{
    ControlEvents::of(control).mouseDown.push_back(std::move(handler));
}

void onMouseMove(QWidget *control, MouseHandler handler)
{
    ControlEvents::of(control).mouseMove.push_back(std::move(handler));
}

void onMouseUp(QWidget *control, MouseHandler handler)
{
    ControlEvents::of(control).mouseUp.push_back(std::move(handler));
}

} // namespace host
