#pragma once

#include "framework/types/WinDefs.h"
#include "framework/types/WinMessages.h"

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <string>

class CFont;
class CWnd;
class QEvent;
class QTimerEvent;

// What the framework keeps for one widget: its control id and styles, the
// exact bytes of its text, its icons and timers, the object attached to it
// (SubclassWindow) and the one that stands in for it otherwise.
//
// As the widget's event filter it turns mouse and key input into messages,
// offers them to PreTranslateMessage of the attached objects from the widget
// up to its window, and hands the widget's events as messages to the
// attached object's WindowProc. Default processing (DefWindowProc of the
// message being handled) passes the event on to the widget itself; a handler
// that does not call it keeps the widget from seeing the event.
//
// The record is a child object of the widget and goes with it.
class WndRecord : public QObject {
public:
    // The widget's record, made on first use.
    static WndRecord& Of(HWND widget);
    // Null when the widget has no record.
    static WndRecord* Find(const QWidget* widget);
    // Sends WM_COMMAND with the control's id and `code` to its parent.
    static void NotifyParent(HWND control, UINT code);

    ~WndRecord() override;

    HWND Widget() const { return m_widget; }
    // Makes the object that stands in for a widget without an attached one:
    // an object of the widget's control class. Whoever makes the widget knows
    // that class and hands the factory down with Define; without one the
    // stand-in is a plain CWnd.
    using StandInFactory = std::unique_ptr<CWnd> (*)();
    void Define(int id, StandInFactory standIn, DWORD style, DWORD exStyle);
    int Id() const { return m_id; }
    // Style bits as stored; CWnd::GetStyle adds the live visible and
    // disabled bits.
    DWORD Style() const { return m_style; }
    DWORD ExStyle() const { return m_exStyle; }
    // Stores the styles and lets the widget follow the ones it knows.
    void SetStyles(DWORD style, DWORD exStyle);

    // The attached object, or null.
    CWnd* Permanent() const { return m_permanent; }
    // The attached object, or the stand-in (made on first use).
    CWnd* Object();
    void Attach(CWnd* wnd);
    void Detach();

    // The text keeps its exact bytes as long as the widget shows what it was
    // given; after the user has changed it, it is the shown text in UTF-8.
    void SetText(const std::string& bytes);
    std::string Text() const;

    // The font set last (null: the parent's font); without one, an object
    // standing for the widget's font as it was first asked for, which lives
    // as long as the widget.
    void SetFont(CFont* font);
    CFont* Font();

    // Returns the icon set before.
    HICON SetIcon(HICON icon, bool big);
    HICON Icon(bool big) const { return big ? m_bigIcon : m_smallIcon; }

    // Timers run on the widget and reach the attached object as WM_TIMER.
    void StartTimer(UINT_PTR id, UINT elapse);
    bool StopTimer(UINT_PTR id);

    // Runs the object's WindowProc now / when the event loop next runs.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);
    void Post(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of a message (CWnd::DefWindowProc): the
    // message being handled passes its event on to the widget once; another
    // mouse message is delivered to the widget as a new mouse event; any
    // other message does nothing.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // The message being handled, or null.
    const MSG* CurrentMessage() const { return m_dispatch ? &m_dispatch->msg : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // One message being handled; records nest when handlers send messages.
    struct Dispatch {
        MSG msg;
        QEvent* event;
        bool delivered;
        Dispatch* outer;
    };

    explicit WndRecord(HWND widget);
    // Whether the attached object handles this widget's events (a dialog's
    // frame passes them to its client area).
    bool Dispatches() const;
    bool PreTranslate(const MSG& msg) const;
    LRESULT Run(CWnd* target, const MSG& msg, QEvent* event);
    void Deliver(QEvent* event);

    HWND m_widget;
    int m_id = 0;
    StandInFactory m_makeStandIn = nullptr;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    CWnd* m_permanent = nullptr;
    std::unique_ptr<CWnd> m_standIn;
    bool m_hasText = false;
    std::string m_textBytes;
    QString m_textShown;
    CFont* m_font = nullptr;
    std::unique_ptr<CFont> m_ownFont;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    std::map<UINT_PTR, int> m_timers; // id -> Qt timer id
    Dispatch* m_dispatch = nullptr;
};
