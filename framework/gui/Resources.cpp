#include "framework/gui/Resources.h"

#include <stdexcept>

namespace {
const CResources* g_resources = nullptr;
}

void AfxSetResources(const CResources& resources)
{
    g_resources = &resources;
}

const DialogTemplate& AfxFindDialogTemplate(int id)
{
    if (g_resources)
        for (const DialogTemplate& dialog : g_resources->dialogs)
            if (dialog.id == id)
                return dialog;
    throw std::out_of_range("no dialog template " + std::to_string(id));
}

std::string AfxLoadString(int id)
{
    if (!g_resources)
        return {};
    auto it = g_resources->strings.find(id);
    return it == g_resources->strings.end() ? std::string() : it->second;
}

const VersionInfo& AfxGetVersion()
{
    static const VersionInfo none;
    return g_resources ? g_resources->version : none;
}

HICON AfxLoadIcon(int id)
{
    if (!g_resources)
        return nullptr;
    auto it = g_resources->icons.find(id);
    return it == g_resources->icons.end() ? nullptr : it->second;
}
