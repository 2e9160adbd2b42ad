#pragma once

// Reflected test classes holding one property of every composite kind: a
// small hierarchy of shapes for object pointers, an element class for
// nested objects and object arrays, a class unrelated to the shapes, and
// CTestComposite holding them all. Include it in one source file per
// program: it defines the classes as well.

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/polygon2d.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/geometry/vector2d.h"
#include "engine/core/color/color.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/binary_blob_property.h"
#include "engine/object/properties/color_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/object.h"
#include "engine/object/properties/object_array_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/polygon_property.h"
#include "engine/object/properties/string_property.h"
#include "engine/object/properties/text_property.h"
#include "tests/support/test_name_list.h"

inline CTestNameList& TestSoundList()
{
    static CTestNameList list({"Pop Brick.wav", "Bang.wav", "Ring.wav"});
    list.SetListName("Sound List");
    return list;
}

inline CTestNameList& TestDifficultyNames()
{
    static CTestNameList list({"Easy", "Normal", "Hard"});
    return list;
}

class CTestShape : public CObject
{
    VP_DECLARE_CLASS(CTestShape)
public:
    CTestShape() { ConstructProperties(SGetClassInfo()); }
    ~CTestShape() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Sides;
};

class CTestCircle : public CTestShape
{
    VP_DECLARE_CLASS(CTestCircle)
public:
    CTestCircle() { ConstructProperties(SGetClassInfo()); }
    ~CTestCircle() override { DestroyProperties(SGetClassInfo()); }

    float m_Radius;
};

class CTestSquare : public CTestShape
{
    VP_DECLARE_CLASS(CTestSquare)
public:
    CTestSquare() { ConstructProperties(SGetClassInfo()); }
    ~CTestSquare() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_SideLength;
};

class CTestAbstractShape : public CTestShape
{
    VP_DECLARE_CLASS(CTestAbstractShape)
};

class CTestUnrelated : public CObject
{
    VP_DECLARE_CLASS(CTestUnrelated)
public:
    CTestUnrelated() { ConstructProperties(SGetClassInfo()); }
    ~CTestUnrelated() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Weight;
};

class CTestStats : public CObject
{
    VP_DECLARE_CLASS(CTestStats)
public:
    CTestStats() { ConstructProperties(SGetClassInfo()); }
    ~CTestStats() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_BricksDestroyed;
    int32_t m_Rings;
};

class CTestComposite : public CObject
{
    VP_DECLARE_CLASS(CTestComposite)
public:
    CTestComposite() { ConstructProperties(SGetClassInfo()); }
    ~CTestComposite() override { DestroyProperties(SGetClassInfo()); }

    uint32_t m_ScoreCount;
    uint32_t m_ScoreCapacity;
    int32_t* m_pScores;
    uint32_t m_NameCount;
    char** m_pNames;
    uint32_t m_ShapeCount;
    uint32_t m_ShapeCapacity;
    CTestShape** m_pShapes;
    CTestStats m_Totals;
    CObjectValueArray<CTestStats> m_Levels;
    CObjectValueArray<CTestStats> m_Difficulties;
    CPoint m_Offset;
    Vector2 m_Scale;
    CColor m_Tint;
    CString m_Notes;
    Polygon2D m_Outline;
    int32_t m_Sound;
    CTestShape* m_pMainShape;
};

// The blob keeps an object out of the binary form, so it sits in a class
// of its own.
class CTestCompositeWithBlob : public CTestComposite
{
    VP_DECLARE_CLASS(CTestCompositeWithBlob)
public:
    CTestCompositeWithBlob() { ConstructProperties(SGetClassInfo()); }
    ~CTestCompositeWithBlob() override { DestroyProperties(SGetClassInfo()); }

    uint8_t* m_pThumbnail;
    uint32_t m_ThumbnailSize;
};

VP_IMPLEMENT_CLASS(CTestShape, CObject, 1.0f)

void CTestShape::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Sides", VP_MEMBER(m_Sides), EDITOR_EDITABLE, 0, nullptr, 0, 0));
}

VP_IMPLEMENT_CLASS(CTestCircle, CTestShape, 1.0f)

void CTestCircle::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Radius", VP_MEMBER(m_Radius), EDITOR_EDITABLE, 1.0f, nullptr, 0, 0, 1));
}

VP_IMPLEMENT_CLASS(CTestSquare, CTestShape, 1.0f)

void CTestSquare::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new IntProperty("Side Length", VP_MEMBER(m_SideLength), EDITOR_EDITABLE, 10, nullptr, 0, 0));
}

VP_IMPLEMENT_ABSTRACT_CLASS(CTestAbstractShape, CTestShape, 1.0f)

void CTestAbstractShape::RegisterProperties(CClassInfo*)
{
}

VP_IMPLEMENT_CLASS(CTestUnrelated, CObject, 1.0f)

void CTestUnrelated::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Weight", VP_MEMBER(m_Weight), EDITOR_EDITABLE, 0, nullptr, 0, 0));
}

VP_IMPLEMENT_CLASS(CTestStats, CObject, 1.0f)

void CTestStats::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new IntProperty("Bricks Destroyed", VP_MEMBER(m_BricksDestroyed), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty("Rings", VP_MEMBER(m_Rings), EDITOR_EDITABLE, 3, nullptr, 0, 0));
}

VP_IMPLEMENT_CLASS(CTestComposite, CObject, 1.0f)

void CTestComposite::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ArrayProperty(
        "Scores", VP_MEMBER(m_ScoreCount), VP_MEMBER(m_ScoreCapacity), VP_MEMBER(m_pScores), "m_pScores", true,
        new IntProperty("Score", ArrayElementMember<int32_t>(), EDITOR_EDITABLE, 7, nullptr, 0, 0), EDITOR_EDITABLE));
    classInfo->AddProperty(new ArrayProperty(
        "Names", VP_MEMBER(m_NameCount), VP_MEMBER(m_pNames),
        new StringProperty("Name", ArrayElementMember<char*>(), EDITOR_EDITABLE, "nobody", nullptr), EDITOR_EDITABLE));
    classInfo->AddProperty(new ArrayProperty(
        "Shapes", VP_MEMBER(m_ShapeCount), VP_MEMBER(m_ShapeCapacity), VP_MEMBER(m_pShapes), "m_pShapes", true,
        new ObjectPointerProperty("Shape", ArrayElementMember<CObject*>(), CTestShape::SGetClassInfo(),
                                  EDITOR_EDITABLE, nullptr),
        EDITOR_EDITABLE));
    classInfo->AddProperty(new NestedObjectProperty("Career Totals", VP_MEMBER(m_Totals), EDITOR_EDITABLE));
    classInfo->AddProperty(new ObjectArrayProperty("Levels", VP_MEMBER(m_Levels), "m_Levels", EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new ObjectArrayProperty("Difficulties", VP_MEMBER(m_Difficulties), "m_Difficulties",
                                                   EDITOR_EDITABLE, &TestDifficultyNames()));
    classInfo->AddProperty(new PointProperty("Layout/Offset", VP_MEMBER(m_Offset), EDITOR_EDITABLE, 3, 4, nullptr));
    classInfo->AddProperty(new FloatPointProperty("Layout/Scale", VP_MEMBER(m_Scale), EDITOR_EDITABLE, 1, 1, nullptr));
    ColorProperty* tint = new ColorProperty("Tint", VP_MEMBER(m_Tint), EDITOR_EDITABLE, 255, 128, 0, 255);
    tint->SetHasAlpha(true);
    classInfo->AddProperty(tint);
    classInfo->AddProperty(new TextProperty("Notes", VP_MEMBER(m_Notes), EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new CPolygonProperty("Outline", VP_MEMBER(m_Outline), EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new LibraryItemProperty("Destroyed Sound", VP_MEMBER(m_Sound), &TestSoundList(),
                                                   EDITOR_EDITABLE, "Pop Brick.wav", nullptr, false));
    classInfo->AddProperty(new ObjectPointerProperty("Main Shape", VP_MEMBER(m_pMainShape),
                                                     CTestShape::SGetClassInfo(), EDITOR_EDITABLE, nullptr));
}

VP_IMPLEMENT_CLASS(CTestCompositeWithBlob, CTestComposite, 1.0f)

void CTestCompositeWithBlob::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new BinaryBlobProperty("Thumbnail/Compressed Thumbnail", VP_MEMBER(m_pThumbnail),
                                                  VP_MEMBER(m_ThumbnailSize), EDITOR_HIDDEN));
}
