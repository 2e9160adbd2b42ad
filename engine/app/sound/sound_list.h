#pragma once

#include <cstdint>

#include "engine/core/lists/resource_library_base.h"
#include "engine/core/lists/resource_usage.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CListFolderTree;
class CSound;

// The one named list of sound files, "Sound List", through which the game
// plays effects by name ("Bounce.wav", "UI/Button Action.wav"). Mounting
// lists the sound folder (loose files and archives, sub-folders included)
// and makes one deferred sound per file: no file is read until its first
// play. A name with one of the two extensions also finds a file with the
// other, so data written for a WAVE file plays its Ogg Vorbis successor.
//
// Objects that need a voice of their own (an engine hum, a falling bomb) get
// a private duplicate, delete it through the sound manager and give it back.
class CSoundList : public CResourceLibraryBase
{
public:
    CSoundList();
    ~CSoundList() override;

    // Answers the item count.
    uint32_t Mount(const char* listName, const char* folder, const char* extension1, const char* extension2);
    // The index, or -1.
    int32_t FindSound(const char* name, int32_t hint);
    // True when the name was found, whether or not the play was accepted.
    bool PlayByName(const char* name);
    // False for an index outside the list.
    bool PlayByIndex(int32_t index);
    // A new sound sharing the item's data (made at first use when the item
    // is not loaded yet), or none for an index outside the list. The caller
    // deletes it with CSoundManager::DeleteSound, then calls ReleaseInstance.
    CSound* CreateInstance(int32_t index);
    void ReleaseInstance(int32_t index);
    // Loads every item now: for data that lies in an archive.
    void LoadAll();
    // Bytes of decoded data the item holds.
    uint32_t GetItemDataBytes(uint32_t index);
    // The item's sound; none for an index outside the list.
    CSound* GetSound(int32_t index);
    const CString& GetMountedFolder() const { return m_Folder; }
    bool IsMounted() const { return m_Mounted; }

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    int32_t Find(const CString& key, int32_t hint) override;
    int32_t Find(const char* key, int32_t hint) override;
    CString GetListName() override;
    bool IsItemLoaded(uint32_t index) override;
    CListFolderTree* GetFolderTree() override;
    void TouchItem(uint32_t index) override;
    bool HasItemAction() override;
    const char* GetItemActionCaption() override;
    void DoItemAction(uint32_t index) override;
    void ActivateItem(uint32_t index) override;
    uint32_t GetCount() override;
    CResourceUsage& GetUsage(uint32_t index) override;
    CObject* GetItemEnsured(uint32_t index) override;
    // Only a loaded item is unloaded, and not while instances of it live: a
    // duplicate still pending would read the deleted sound.
    void UnloadItem(uint32_t index) override;

private:
    struct Item
    {
        CString name;
        CSound* sound = nullptr;
        CResourceUsage usage;
        int32_t instances = 0;
    };

    class CMountSink;

    bool IsIndex(int32_t index) const { return index >= 0 && static_cast<uint32_t>(index) < m_Items.GetCount(); }
    CSound* CreateDeferredSound(const CString& name);
    void PlayItem(uint32_t index);
    void DeleteItems();

    CString m_Folder;
    CDynamicArray<Item> m_Items;
    CListFolderTree* m_pFolderTree;
    CString m_DisplayFolder;
    CString m_ListName;
    bool m_Mounted;
};

CSoundList& GetSoundList();
