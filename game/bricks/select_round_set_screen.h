#pragma once

#include <memory>

#include "engine/core/lists/named_value_list.h"
#include "engine/ui/input_capture_window.h"

class CCommandCallback;
class CJButton;
class CJHeader;
class CJListBox;

// The "Select Round Set" screen: every set with its rounds and how far the
// player has come, the choice of the current set, new sets of the
// player's own and a button to more sets on the web. The button's caption,
// tool tip and address come from the channel settings; without an address
// the button tells its tool tip instead.
class SelectRoundSetScreen : public CJInputCaptureWindow
{
public:
    using DocumentOpener = bool (*)(const char* path);

    explicit SelectRoundSetScreen(CJWindow* parent);
    ~SelectRoundSetScreen() override;

    // Runs after the player chose a set other than the current one; owned,
    // replacing (and deleting) the one before; none for none.
    void SetSelectionChangedCallback(CCommandCallback* callback);
    // How the download button opens its address.
    void SetDocumentOpener(DocumentOpener opener) { m_OpenDocument = opener; }
    // The rows again, from the library and the player's records.
    void RebuildRows();

    void SelectChosenSet();
    void OpenNewSetDialog();
    void Download();

    void OnCommand(CJWindow* source, int32_t code) override;

    CJListBox* GetList() const { return m_pList; }
    CJHeader* GetHeader() const { return m_pHeader; }
    CNamedValueList& GetRows() { return m_Rows; }
    CJButton* GetDownloadButton() const { return m_pDownloadButton; }

private:
    CJHeader* m_pHeader;
    CJListBox* m_pList;
    CJButton* m_pSelectButton;
    CJButton* m_pNewButton;
    CJButton* m_pDownloadButton;
    CString m_DownloadName;
    CString m_DownloadToolTip;
    CString m_DownloadAddress;
    CNamedValueList m_Rows;
    std::unique_ptr<CCommandCallback> m_pSelectionChanged;
    DocumentOpener m_OpenDocument;
};

// Builds the screen over the parent; the caller adds it centred to the
// screen window and makes it modal.
SelectRoundSetScreen* ShowSelectRoundSetScreen(CJWindow* parent);
