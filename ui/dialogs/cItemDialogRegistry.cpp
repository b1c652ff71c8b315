#include "ui/dialogs/cItemDialogRegistry.h"

cItemDialogRegistry& cItemDialogRegistry::Instance()
{
    static cItemDialogRegistry registry;
    return registry;
}

const cItemDialogRegistry::cEntry* cItemDialogRegistry::Find(int directoryId) const
{
    const auto it = m_entries.find(directoryId);
    return it != m_entries.end() ? &it->second : nullptr;
}
