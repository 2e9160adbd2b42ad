#include <gtest/gtest.h>

#include <string>

#include "engine/object/editor_hooks.h"
#include "engine/object/object_files.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"
#include "tests/support/scoped_temp_folder.h"

namespace
{
const ObjectPointerProperty& MainShape()
{
    return *static_cast<const ObjectPointerProperty*>(CTestComposite::SGetClassInfo()->FindProperty("Main Shape"));
}

std::unique_ptr<CObject> Read(const std::string& lines)
{
    return ObjectFromText("CTestComposite\r\n{\r\n" + lines + "}\r\n");
}

const CTestComposite& AsComposite(const std::unique_ptr<CObject>& object)
{
    return static_cast<const CTestComposite&>(*object);
}

// Counts the objects the property window's history is told to forget.
class ForgetCounter
{
public:
    ForgetCounter()
        : m_Previous(GetEditorHooks().ForgetObjectInPropertyHistory)
    {
        s_Forgotten = 0;
        // Asking the object its class shows it is still alive (the
        // sanitizer build would report a freed one).
        GetEditorHooks().ForgetObjectInPropertyHistory = [](CObject* object) {
            if (object->GetClassInfo() != nullptr)
                s_Forgotten++;
        };
    }
    ~ForgetCounter() { GetEditorHooks().ForgetObjectInPropertyHistory = m_Previous; }

    int Count() const { return s_Forgotten; }

private:
    static inline int s_Forgotten = 0;
    void (*m_Previous)(CObject*);
};

CTestComposite* NewCompositeWithMainShape()
{
    CTestComposite* object = new CTestComposite();
    object->SetDefaults();
    object->m_pMainShape = new CTestSquare();
    return object;
}

// Loads the lines as a file, so reports name it.
void LoadAsFile(const std::string& lines)
{
    ScopedTempFolder folder;
    folder.WriteFile("Shape Holder.txt", "CTestComposite\r\n{\r\n" + lines + "}\r\n");
    delete LoadObjectFromFile((folder.Path() + "Shape Holder.txt").c_str(), 0, false, nullptr);
}
}

TEST(ObjectPointerProperty, TextValues)
{
    struct Case
    {
        const char* name;
        const char* lines;
        const CClassInfo* expectedClass;
        int32_t expectedSides;
    };
    const Case cases[] = {
        {"a class and its block", "Main Shape=CTestSquare\r\n{\r\nSides=4\r\n}\r\n", CTestSquare::SGetClassInfo(), 4},
        {"a class named without its C", "Main Shape=TestCircle\r\n{\r\nSides=1\r\n}\r\n", CTestCircle::SGetClassInfo(), 1},
        {"an empty value", "Main Shape=\r\n", nullptr, 0},
        {"lines written inline", "Sides=6\r\n", CTestShape::SGetClassInfo(), 6},
        {"a class without its block", "Main Shape=CTestCircle\r\nOutline=1, 2\r\n", CTestCircle::SGetClassInfo(), 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CObject> object = Read(c.lines);
        ASSERT_NE(object, nullptr);
        const CTestShape* shape = AsComposite(object).m_pMainShape;
        if (c.expectedClass == nullptr)
        {
            EXPECT_EQ(shape, nullptr);
            continue;
        }
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->GetClassInfo(), c.expectedClass);
        EXPECT_EQ(shape->m_Sides, c.expectedSides);
    }
}

TEST(ObjectPointerProperty, TheSameClassReadsIntoTheHeldObject)
{
    CTestComposite holder;
    holder.SetDefaults();
    MainShape().FromText(&holder, "CTestSquare", nullptr);
    CTestShape* square = holder.m_pMainShape;
    ASSERT_NE(square, nullptr);
    MainShape().FromText(&holder, "ctestsquare", nullptr);
    EXPECT_EQ(holder.m_pMainShape, square);
    MainShape().FromText(&holder, "CTestCircle", nullptr);
    EXPECT_EQ(holder.m_pMainShape->GetClassInfo(), CTestCircle::SGetClassInfo());
}

TEST(ObjectPointerProperty, InvalidClassesInTextAreFatal)
{
    const struct
    {
        const char* value;
        const char* report;
    } cases[] = {
        {"CNoSuchShape", "Invalid class type.*unknown class \"CNoSuchShape\" for a \"Main Shape\" \\(CTestShape\\)"
                         "\\. Last file opened = \".*/Shape Holder.txt\""},
        {"CTestUnrelated", "Invalid class type.*Tried to use a CTestUnrelated for a Main Shape when a CTestShape is "
                           "expected"},
        {"CTestAbstractShape", "Invalid class type.*abstract class \"CTestAbstractShape\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.value);
        EXPECT_EXIT(LoadAsFile(std::string("Main Shape=") + c.value + "\r\n{\r\n}\r\n"), testing::ExitedWithCode(255),
                    c.report);
    }
}

TEST(ObjectPointerProperty, BinaryClassNamesThatCannotBeUsedAreRefused)
{
    std::unique_ptr<CTestComposite> holder(NewCompositeWithMainShape());
    const std::string bytes = ObjectBinary(holder.get());
    const std::string stored = CountedString("CTestSquare");
    const size_t at = bytes.rfind(stored);
    ASSERT_NE(at, std::string::npos);
    for (const char* name : {"CTestUnrelated", "CNoSuchShape", "CTestAbstractShape"})
    {
        SCOPED_TRACE(name);
        std::string damaged = bytes;
        damaged.replace(at, stored.size(), CountedString(name));
        CTestComposite read;
        EXPECT_FALSE(ReadObjectBinary(&read, damaged));
    }
    CTestComposite read;
    EXPECT_TRUE(ReadObjectBinary(&read, bytes));
    ASSERT_NE(read.m_pMainShape, nullptr);
    EXPECT_EQ(read.m_pMainShape->GetClassInfo(), CTestSquare::SGetClassInfo());
}

TEST(ObjectPointerProperty, EveryPathThatDeletesThePointedObjectTellsTheHistoryFirst)
{
    struct Case
    {
        const char* name;
        void (*deleteIt)(CTestComposite* holder);
        int deleted;
    };
    const Case cases[] = {
        {"destroying the holder", [](CTestComposite* holder) { delete holder; }, 1},
        {"defaulting", [](CTestComposite* holder) { holder->SetDefaults(); delete holder; }, 1},
        {"copying over it",
         [](CTestComposite* holder) {
             CTestComposite empty;
             empty.SetDefaults();
             holder->CopyFrom(empty);
             delete holder;
         },
         1},
        {"an empty text value", [](CTestComposite* holder) { MainShape().FromText(holder, "", nullptr); delete holder; },
         1},
        {"another class in text",
         [](CTestComposite* holder) { MainShape().FromText(holder, "CTestCircle", nullptr); delete holder; }, 2},
        {"a binary read",
         [](CTestComposite* holder) {
             CTestComposite empty;
             empty.SetDefaults();
             ReadObjectBinary(holder, ObjectBinary(&empty));
             delete holder;
         },
         1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ForgetCounter counter;
        c.deleteIt(NewCompositeWithMainShape());
        EXPECT_EQ(counter.Count(), c.deleted);
    }

    // Elements of object-pointer arrays go the same way.
    ForgetCounter counter;
    CTestComposite holder;
    holder.SetDefaults();
    const ArrayProperty& shapes =
        *static_cast<const ArrayProperty*>(CTestComposite::SGetClassInfo()->FindProperty("Shapes"));
    for (int i = 0; i < 3; i++)
        *static_cast<CObject**>(shapes.AppendElement(&holder)) = new CTestCircle();
    shapes.SetCount(&holder, 1, 0);
    EXPECT_EQ(counter.Count(), 2);
}
