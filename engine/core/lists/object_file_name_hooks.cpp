#include "engine/core/lists/object_file_name_hooks.h"

#include "engine/core/memory/dynamic_array.h"

static CPoolArray<ObjectFileNameHook>& GetObjectFileNameHooks()
{
    static CPoolArray<ObjectFileNameHook>* hooks = new CPoolArray<ObjectFileNameHook>;
    return *hooks;
}

void AddObjectFileNameHook(ObjectFileNameHook hook)
{
    GetObjectFileNameHooks().Append(hook);
}

bool GetObjectFileName(CObject* object, CString& path)
{
    for (ObjectFileNameHook hook : GetObjectFileNameHooks())
    {
        if (hook(object, path))
            return true;
    }
    return false;
}
