#pragma once

#include "engine/core/lists/named_value_list.h"
#include "engine/ui/dialog.h"

class CJButton;
class CJHeader;
class CJListBox;
class CRoundSet;

// The level editor's "Rounds" window: the rounds of the current set, to
// open one in the editor and, when the set can be saved, to reorder,
// insert and delete rounds. The round being edited keeps its place in the
// playfield through every change, and closing the window saves the set.
class RoundSetEditorWindow : public CJDialog
{
public:
    explicit RoundSetEditorWindow(CJWindow* parent);
    ~RoundSetEditorWindow() override;

    void EditSelectedRound();
    void MoveSelectedUp();
    void MoveSelectedDown();
    void InsertRound();
    void DeleteSelectedRound();

    void OnCommand(CJWindow* source, int32_t code) override;

    bool IsEditable() const { return m_Editable; }
    CJListBox* GetList() const { return m_pList; }
    CJHeader* GetHeader() const { return m_pHeader; }
    CNamedValueList& GetRows() { return m_Rows; }
    CJButton* GetMoveUpButton() const { return m_pMoveUpButton; }
    CJButton* GetMoveDownButton() const { return m_pMoveDownButton; }

protected:
    void TearDown() override;

private:
    // The rows again, with the row selected (none for -1).
    void RebuildRows(int32_t selectedRow);

    bool m_Editable;
    CRoundSet* m_pSet;
    CJHeader* m_pHeader;
    CJListBox* m_pList;
    CJButton* m_pEditButton;
    CJButton* m_pMoveUpButton;
    CJButton* m_pMoveDownButton;
    CJButton* m_pInsertButton;
    CJButton* m_pDeleteButton;
    CNamedValueList m_Rows;
};
