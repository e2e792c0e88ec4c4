#include "framework/gui/CmdTarget.h"

const MessageMap* CCmdTarget::GetMessageMap() const
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

bool CCmdTarget::OnCmdMsg(const CMessage& msg)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            // Commands match by ID; other messages have one handler each.
            if (entry.message == msg.message && (msg.message != WM_COMMAND || entry.id == msg.id)) {
                entry.invoke(*this, msg);
                return true;
            }
        }
    }
    return false;
}
