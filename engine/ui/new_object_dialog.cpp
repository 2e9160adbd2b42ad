#include "engine/ui/new_object_dialog.h"

#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/libraries/new_object_request.h"
#include "engine/ui/drop_down.h"
#include "engine/ui/static_text.h"

namespace {
// Wide enough for any class name: the display takes the widest one.
constexpr int32_t UNLIMITED_WIDTH_UNITS = 999999;
constexpr int32_t PLACE_BELOW_RIGHT_ALIGNED = 9;
constexpr int32_t PLACE_RIGHT_OF_PREVIOUS = 14;
} // namespace

CNewObjectDialog::CNewObjectDialog(CJWindow* parent, CNewObjectRequest* request)
    : CFileNameDialog(parent, request)
    , m_pRequest(request)
{
    ListCreatableClasses(request->m_pBaseClass, m_Classes);
    for (uint32_t i = 0; i < m_Classes.GetCount(); ++i)
        m_ClassList.Add(m_Classes[i]->GetNameWithoutPrefix(), static_cast<int32_t>(i));
    if (m_Classes.GetCount() != 0)
        request->m_pChosenClass = m_Classes[0];
    if (m_Classes.GetCount() < 2)
        return;
    CJStaticText* label = new CJStaticText(this, "Class:");
    AddChild(label, PLACE_BELOW_RIGHT_ALIGNED, GetLastLabel());
    SetLastLabel(label);
    m_pClassDropDown = new CJDropDown(this, &m_ClassList, UNLIMITED_WIDTH_UNITS, nullptr);
    m_pClassDropDown->SelectItem(0, true);
    AddChild(m_pClassDropDown, PLACE_RIGHT_OF_PREVIOUS);
}

CNewObjectDialog::~CNewObjectDialog()
{
    // The drop-down reads the class list until it is gone.
    TearDown();
}

void CNewObjectDialog::OnCommand(CJWindow* source, int32_t code)
{
    if (code == 1 && source == m_pClassDropDown && m_pClassDropDown != nullptr)
    {
        const int32_t id = m_pClassDropDown->GetSelectedId();
        if (id >= 0 && static_cast<uint32_t>(id) < m_Classes.GetCount())
            m_pRequest->m_pChosenClass = m_Classes[static_cast<uint32_t>(id)];
        return;
    }
    CFileNameDialog::OnCommand(source, code);
}
