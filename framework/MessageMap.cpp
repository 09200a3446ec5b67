#include "framework/MessageMap.h"

namespace fw {

namespace {

bool InRange(UINT value, const MessageRow& row) {
    return value >= row.firstId && value <= row.lastId;
}

// Menus send code 0, accelerators code 1, buttons BN_CLICKED (0). Code 1
// from a control is a notification (CBN_SELCHANGE), not a command.
bool IsPlainCommand(const Message& m) {
    return m.CommandCode() == 0 || (m.CommandCode() == 1 && m.lParam == 0);
}

bool MatchesOwn(const MessageRow& row, const Message& m) {
    switch (row.match) {
    case Match::Message:
        return m.id == row.message;
    case Match::CtlColor:
        return IsCtlColorMessage(m.id);
    case Match::Command:
        return m.id == WM_COMMAND && IsPlainCommand(m) && InRange(static_cast<UINT>(m.CommandId()), row);
    case Match::ControlCommand:
        return m.id == WM_COMMAND && m.CommandCode() == row.code && InRange(static_cast<UINT>(m.CommandId()), row);
    case Match::Notify:
        return m.id == WM_NOTIFY && m.Notify()->code == row.code && InRange(static_cast<UINT>(m.Notify()->idFrom), row);
    default:
        return false;
    }
}

bool MatchesReflected(const MessageRow& row, const Message& m) {
    switch (row.match) {
    case Match::ReflectedMessage:
        return m.id == row.message;
    case Match::ReflectedCtlColor:
        return IsCtlColorMessage(m.id);
    case Match::ReflectedCommand:
        return m.id == WM_COMMAND && m.CommandCode() == row.code;
    case Match::ReflectedNotify:
        return m.id == WM_NOTIFY && m.Notify()->code == row.code;
    default:
        return false;
    }
}

}  // namespace

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

const MessageRow* MessageMap::Find(const Message& m, bool reflected) const {
    for (const MessageMap* map = this; map != nullptr; map = map->base_) {
        for (const MessageRow& row : map->rows_) {
            if (reflected ? MatchesReflected(row, m) : MatchesOwn(row, m)) {
                return &row;
            }
        }
    }
    return nullptr;
}

}  // namespace fw
