#pragma once

#include <cstdint>
#include <vector>

#include "framework/gui/WinTypes.h"

class CDropFiles;

// A window message or command on its way to a handler.
struct CMessage {
    unsigned message = 0;       // WM_COMMAND, WM_SYSCOMMAND, ...
    unsigned id = 0;            // the command or control ID
    std::intptr_t lParam = 0;   // WM_SYSCOMMAND's second parameter
    CDropFiles* drop = nullptr; // WM_DROPFILES
};

class CCmdTarget;

// One line of a message map: a message (and for commands a control ID)
// bound to a handler of the class that owns the map.
struct MessageMapEntry {
    unsigned message;
    unsigned id;
    void (*invoke)(CCmdTarget& target, const CMessage& msg);
};

// The handlers of one class, with the map of its base class behind it.
struct MessageMap {
    const MessageMap* base;
    std::vector<MessageMapEntry> entries;
};

// Something that takes messages through its class's message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;
    // Calls the first handler for the message along the map chain; false
    // when no map has one.
    bool OnCmdMsg(const CMessage& msg);
};

template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
    using type = C;
};

// Builders of map entries, one per kind of handler:
//   ON_COMMAND<&CMainDlg::OnSend>(1004)
template <auto Handler>
MessageMapEntry ON_COMMAND(unsigned id)
{
    using C = typename MemberOf<decltype(Handler)>::type;
    return {WM_COMMAND, id, [](CCmdTarget& target, const CMessage&) { (static_cast<C&>(target).*Handler)(); }};
}

// A click of a push button is its command.
template <auto Handler>
MessageMapEntry ON_BN_CLICKED(unsigned id)
{
    return ON_COMMAND<Handler>(id);
}

template <auto Handler>
MessageMapEntry ON_WM_SYSCOMMAND()
{
    using C = typename MemberOf<decltype(Handler)>::type;
    return {WM_SYSCOMMAND, 0, [](CCmdTarget& target, const CMessage& msg) {
                (static_cast<C&>(target).*Handler)(msg.id, msg.lParam);
            }};
}

template <auto Handler>
MessageMapEntry ON_WM_DESTROY()
{
    using C = typename MemberOf<decltype(Handler)>::type;
    return {WM_DESTROY, 0, [](CCmdTarget& target, const CMessage&) { (static_cast<C&>(target).*Handler)(); }};
}

template <auto Handler>
MessageMapEntry ON_WM_DROPFILES()
{
    using C = typename MemberOf<decltype(Handler)>::type;
    return {WM_DROPFILES, 0, [](CCmdTarget& target, const CMessage& msg) {
                (static_cast<C&>(target).*Handler)(*msg.drop);
            }};
}
