#include "framework/window/internal/WndRecord.h"

#include "framework/paint/CFont.h"
#include "framework/paint/IconHandle.h"
#include "framework/types/ByteText.h"
#include "framework/window/CWnd.h"
#include "framework/window/internal/ControlWidget.h"
#include "framework/window/internal/MessageTranslation.h"

#include <QHash>
#include <QMouseEvent>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>

namespace {
QHash<const QWidget*, WndRecord*>& Registry() {
    static QHash<const QWidget*, WndRecord*> registry;
    return registry;
}

constexpr UINT kMinimumElapse = 10;
} // namespace

WndRecord::WndRecord(HWND widget) : QObject(widget), m_widget(widget) {
    Registry().insert(widget, this);
    widget->installEventFilter(this);
}

WndRecord::~WndRecord() {
    Registry().remove(m_widget);
    if (m_permanent != nullptr) {
        m_permanent->m_hWnd = nullptr;
        m_permanent->m_hWndClient = nullptr;
    }
    if (m_standIn)
        m_standIn->m_hWnd = nullptr;
}

WndRecord& WndRecord::Of(HWND widget) {
    if (WndRecord* record = Find(widget))
        return *record;
    return *new WndRecord(widget);
}

WndRecord* WndRecord::Find(const QWidget* widget) {
    return Registry().value(widget, nullptr);
}

void WndRecord::NotifyParent(HWND control, UINT code) {
    CWnd* parent = CWnd::FromHandle(control->parentWidget());
    if (parent == nullptr)
        return;
    const UINT id = static_cast<UINT>(Of(control).Id());
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

void WndRecord::Define(int id, StandInFactory standIn, DWORD style, DWORD exStyle) {
    m_id = id;
    m_makeStandIn = standIn;
    SetStyles(style, exStyle);
}

void WndRecord::SetStyles(DWORD style, DWORD exStyle) {
    m_style = style;
    m_exStyle = exStyle;
    if (auto* control = dynamic_cast<ControlWidget*>(m_widget))
        control->ApplyStyle(style, exStyle);
}

CWnd* WndRecord::Object() {
    if (m_permanent != nullptr)
        return m_permanent;
    if (!m_standIn) {
        m_standIn = m_makeStandIn ? m_makeStandIn() : std::make_unique<CWnd>();
        m_standIn->m_hWnd = m_widget;
    }
    return m_standIn.get();
}

void WndRecord::Attach(CWnd* wnd) {
    m_permanent = wnd;
    m_widget->setMouseTracking(true);
}

void WndRecord::Detach() {
    for (const auto& [id, timer] : m_timers)
        killTimer(timer);
    m_timers.clear();
    m_permanent = nullptr;
}

void WndRecord::SetText(const std::string& bytes) {
    m_textBytes = bytes;
    m_textShown = ByteText::ToDisplay(bytes);
    m_hasText = true;
    if (auto* control = dynamic_cast<ControlWidget*>(m_widget))
        control->SetDisplayText(m_textShown);
    else
        m_widget->setWindowTitle(m_textShown);
}

std::string WndRecord::Text() const {
    const auto* control = dynamic_cast<const ControlWidget*>(m_widget);
    const QString shown = control ? control->DisplayText() : m_widget->windowTitle();
    if (m_hasText && shown == m_textShown)
        return m_textBytes;
    return ByteText::FromTyped(shown);
}

void WndRecord::SetFont(CFont* font) {
    m_font = font;
    if (font != nullptr)
        m_widget->setFont(font->GetQFont());
    else if (m_widget->parentWidget() != nullptr)
        m_widget->setFont(m_widget->parentWidget()->font());
}

CFont* WndRecord::Font() {
    if (m_font != nullptr)
        return m_font;
    if (!m_ownFont) {
        m_ownFont = std::make_unique<CFont>();
        m_ownFont->CreateFromQFont(m_widget->font());
    }
    return m_ownFont.get();
}

HICON WndRecord::SetIcon(HICON icon, bool big) {
    HICON& slot = big ? m_bigIcon : m_smallIcon;
    HICON previous = slot;
    slot = icon;
    m_widget->window()->setWindowIcon(icon != nullptr ? icon->icon : QIcon());
    return previous;
}

void WndRecord::StartTimer(UINT_PTR id, UINT elapse) {
    StopTimer(id);
    m_timers[id] = startTimer(static_cast<int>(std::max(elapse, kMinimumElapse)), Qt::PreciseTimer);
}

bool WndRecord::StopTimer(UINT_PTR id) {
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return false;
    killTimer(it->second);
    m_timers.erase(it);
    return true;
}

LRESULT WndRecord::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return Run(Object(), MSG{m_widget, message, wParam, lParam, {}}, nullptr);
}

void WndRecord::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    QMetaObject::invokeMethod(
        this, [this, message, wParam, lParam] { Send(message, wParam, lParam); },
        Qt::QueuedConnection);
}

LRESULT WndRecord::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_dispatch != nullptr && m_dispatch->event != nullptr && !m_dispatch->delivered &&
        m_dispatch->msg.message == message) {
        m_dispatch->delivered = true;
        Deliver(m_dispatch->event);
        return 0;
    }
    if (auto mouse = MessageTranslation::ToMouseEvent(m_widget, message, wParam, lParam))
        Deliver(mouse.get());
    return 0;
}

bool WndRecord::eventFilter(QObject* watched, QEvent* event) {
    MSG msg;
    if (watched != m_widget || !MessageTranslation::FromEvent(m_widget, event, &msg))
        return false;
    if (MessageTranslation::IsInput(msg.message) && PreTranslate(msg))
        return true;
    if (!Dispatches())
        return false;
    QPointer<WndRecord> alive(this);
    if (msg.message == WM_MOUSEMOVE) {
        const MSG setCursor{m_widget, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_widget),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), msg.pt};
        Run(m_permanent, setCursor, nullptr);
        if (!alive || !Dispatches())
            return true;
    }
    Run(m_permanent, msg, event);
    return true;
}

void WndRecord::timerEvent(QTimerEvent* event) {
    for (const auto& [id, timer] : m_timers)
        if (timer == event->timerId()) {
            if (m_permanent != nullptr)
                Run(m_permanent, MSG{m_widget, WM_TIMER, id, 0, {}}, nullptr);
            return;
        }
}

bool WndRecord::Dispatches() const {
    return m_permanent != nullptr && m_permanent->ClientHandle() == m_widget;
}

bool WndRecord::PreTranslate(const MSG& msg) const {
    const CWnd* last = nullptr;
    for (QWidget* widget = m_widget; widget != nullptr; widget = widget->parentWidget()) {
        const WndRecord* record = Find(widget);
        CWnd* wnd = record ? record->m_permanent : nullptr;
        if (wnd != nullptr && wnd != last) {
            last = wnd;
            MSG copy = msg;
            if (wnd->PreTranslateMessage(&copy))
                return true;
        }
        if (widget->isWindow())
            break;
    }
    return false;
}

LRESULT WndRecord::Run(CWnd* target, const MSG& msg, QEvent* event) {
    Dispatch dispatch{msg, event, false, m_dispatch};
    m_dispatch = &dispatch;
    QPointer<WndRecord> alive(this);
    const LRESULT result = target->WindowProc(msg.message, msg.wParam, msg.lParam);
    if (alive)
        m_dispatch = dispatch.outer;
    return result;
}

void WndRecord::Deliver(QEvent* event) {
    QObject* receiver = m_widget;
    receiver->event(event);
}
