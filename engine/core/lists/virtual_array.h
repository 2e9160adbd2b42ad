#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

class CClassInfo;
class CListFolderTree;
class CNewObjectRequest;
class CObject;

// The file being read, quoted by the reports of missing items and classes;
// "Program.EXE" until a loader names a file. It lives until the process ends,
// so a report raised by a late destructor can still quote it.
CString& CurrentFileName();

// Item names compare byte by byte after folding 'A'..'Z' to 'a'..'z', so '_'
// sorts before the letters. A sorted list keeps exactly this order.
int CompareItemNames(const char* a, const char* b);

// The named list: an indexed collection whose items have names. Everything
// that is looked up by name (libraries, class descriptors, profiler sections,
// message types, named values) is one, so generic code (editors, the
// recorded-call stream, the not-found report, the list registry) works on
// any of them through this interface alone.
//
// Indices run from 0 below GetCount(); a search answers -1 for "not found";
// a hint is the index where the caller expects the item, -1 for none, and a
// hint outside the list counts as none.
class VirtualArray
{
public:
    VirtualArray();
    virtual ~VirtualArray();

    virtual const char* GetName(uint32_t index) = 0;
    virtual CString GetNameString(uint32_t index) = 0;
    virtual const CString& GetItemText(uint32_t index);
    // The name an editor shows; lists whose objects carry a nicer name give it.
    virtual CString GetItemDisplayName(uint32_t index);
    virtual void SetItemText(uint32_t index, const CString& text);
    virtual int32_t Find(const CString& key, int32_t hint) = 0;
    virtual int32_t Find(const char* key, int32_t hint) = 0;
    // Missing data is fatal: these report what was looked for, where, and who
    // asked, then end the program. They never return -1.
    virtual int32_t FindOrFail(const CString& key, int32_t hint);
    virtual int32_t FindOrFail(const char* key, int32_t hint);
    virtual CString GetListName();
    virtual const char* GetFolder();
    virtual bool HoldsObjects();
    virtual CObject* GetItem(uint32_t index);
    virtual CClassInfo* GetItemClass(uint32_t index);
    virtual CObject* GetItemIndirect(uint32_t index);
    virtual bool IsItemLoaded(uint32_t index);
    virtual bool IsItemLoading(uint32_t index);
    virtual CListFolderTree* GetFolderTree();
    virtual void TouchItem(uint32_t index);
    // An optional per-item command that browsers offer ("Play" for sounds).
    virtual bool HasItemAction();
    virtual const char* GetItemActionCaption();
    virtual void DoItemAction(uint32_t index);
    virtual void ActivateItem(uint32_t index);
    virtual void RemoveAll();
    virtual int32_t AddByName(const CString& name);
    virtual int32_t AddByName(const char* name);
    virtual CNewObjectRequest* CreateNewItemChooser();
    virtual int32_t AddFromRequest(CNewObjectRequest* request);
    virtual void RemoveAt(uint32_t index);
    virtual void Swap(uint32_t first, uint32_t second);
    virtual uint32_t GetCount() = 0;
    virtual bool GetItemFlag(uint32_t index);
    virtual void SetItemFlag(uint32_t index, bool flag);
    // Whether a list control lets the item be chosen.
    virtual bool IsItemEnabled(uint32_t index);
    // What a list control shows as the item's tooltip; empty for none.
    virtual CString GetItemDescription(uint32_t index);
    // For lists whose items stand in CompareItemNames order. A key that starts
    // with '!' ("!None") names a special item kept at the front, so it is
    // probed at index 0 first.
    virtual int32_t BinarySearch(const CString& key, int32_t hint);
    virtual int32_t BinarySearch(const char* key, int32_t hint);
    virtual int32_t FindSorted(const CString& key, int32_t hint);
    virtual int32_t FindSorted(const char* key, int32_t hint);
    // Compares only the parts after the last '/' or '\', so a key with a
    // folder still finds an item filed under another folder or under none.
    virtual int32_t FindByFileName(const CString& key);
    virtual int32_t FindByFileName(const char* key);

    // A small dense number, taken on first request and given back when the
    // list is destroyed; the recorded-call stream indexes its tables by it.
    int32_t GetId();

    // Tells the message bus that an item was added; answers whether any
    // listener acted on it.
    bool NotifyItemAdded(uint32_t index);

    VirtualArray(const VirtualArray&) = delete;
    VirtualArray& operator=(const VirtualArray&) = delete;

private:
    [[noreturn]] void ReportNotFound(const CString& key);

    int32_t m_Id;
};

// The finding layer most lists derive from: binary search while the items are
// sorted, otherwise a linear search, then the file-name-part fallback.
class SearchableVirtualArray : public VirtualArray
{
public:
    SearchableVirtualArray();

    int32_t Find(const CString& key, int32_t hint) override;
    int32_t Find(const char* key, int32_t hint) override;

    bool IsSorted() const { return m_Sorted; }

protected:
    // Set by a subclass while its items stand in CompareItemNames order;
    // cleared when it adds an item.
    bool m_Sorted;
};
