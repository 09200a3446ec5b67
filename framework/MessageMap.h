#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

#include "framework/Message.h"

namespace fw {

class Window;

// Every handler has the same shape: it gets the message and returns the
// window procedure's result. A handler that wants the platform's own
// processing too calls Default(m).
using Handler = LRESULT (Window::*)(const Message&);

// How a row matches. Rows for the window's own messages first; then the
// rows a control uses for what its parent reflects back to it.
enum class Match {
    Message,            // a window message by id
    CtlColor,           // any WM_CTLCOLOR* message
    Command,            // a menu, accelerator or button command, by id range
    ControlCommand,     // a control's WM_COMMAND notification, by code and id range
    Notify,             // a control's WM_NOTIFY, by code and id range
    ReflectedMessage,   // the parent's WM_DRAWITEM or WM_MEASUREITEM for this control
    ReflectedCtlColor,  // the parent's WM_CTLCOLOR* for this control
    ReflectedCommand,   // this control's WM_COMMAND notification, by code
    ReflectedNotify,    // this control's WM_NOTIFY, by code
};

struct MessageRow {
    Match match;
    UINT message;
    UINT firstId;
    UINT lastId;
    UINT code;
    Handler handler;
};

// One class's table, chained to its base class's table. The first row that
// matches wins; a message no row takes gets the default processing.
class MessageMap {
public:
    MessageMap(const MessageMap* base, std::initializer_list<MessageRow> rows) : base_(base), rows_(rows) {}

    const MessageRow* Find(const Message& m, bool reflected) const;

private:
    const MessageMap* base_;
    std::vector<MessageRow> rows_;
};

// Row builders, one per kind of row. The handler is a member of the class
// that owns the table.
template <class T>
Handler AsHandler(LRESULT (T::*handler)(const Message&)) {
    return static_cast<Handler>(handler);
}

template <class T>
MessageRow OnMessage(UINT message, LRESULT (T::*handler)(const Message&)) {
    return {Match::Message, message, 0, 0, 0, AsHandler(handler)};
}

template <class T>
MessageRow OnCtlColor(LRESULT (T::*handler)(const Message&)) {
    return {Match::CtlColor, 0, 0, 0, 0, AsHandler(handler)};
}

template <class T>
MessageRow OnCommand(UINT id, LRESULT (T::*handler)(const Message&)) {
    return {Match::Command, WM_COMMAND, id, id, 0, AsHandler(handler)};
}

template <class T>
MessageRow OnCommandRange(UINT firstId, UINT lastId, LRESULT (T::*handler)(const Message&)) {
    return {Match::Command, WM_COMMAND, firstId, lastId, 0, AsHandler(handler)};
}

template <class T>
MessageRow OnControlCommand(UINT code, UINT id, LRESULT (T::*handler)(const Message&)) {
    return {Match::ControlCommand, WM_COMMAND, id, id, code, AsHandler(handler)};
}

template <class T>
MessageRow OnNotify(UINT code, UINT id, LRESULT (T::*handler)(const Message&)) {
    return {Match::Notify, WM_NOTIFY, id, id, code, AsHandler(handler)};
}

template <class T>
MessageRow OnReflected(UINT message, LRESULT (T::*handler)(const Message&)) {
    return {Match::ReflectedMessage, message, 0, 0, 0, AsHandler(handler)};
}

template <class T>
MessageRow OnReflectedCtlColor(LRESULT (T::*handler)(const Message&)) {
    return {Match::ReflectedCtlColor, 0, 0, 0, 0, AsHandler(handler)};
}

template <class T>
MessageRow OnReflectedCommand(UINT code, LRESULT (T::*handler)(const Message&)) {
    return {Match::ReflectedCommand, WM_COMMAND, 0, 0, code, AsHandler(handler)};
}

template <class T>
MessageRow OnReflectedNotify(UINT code, LRESULT (T::*handler)(const Message&)) {
    return {Match::ReflectedNotify, WM_NOTIFY, 0, 0, code, AsHandler(handler)};
}

bool IsCtlColorMessage(UINT message);

}  // namespace fw
