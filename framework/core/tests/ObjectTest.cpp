#include "core/Object.h"
#include "core/Exception.h"
#include <gtest/gtest.h>

// At file scope: classes with runtime class information derive from it.
struct IExtra {
    virtual ~IExtra() = default;
    virtual int Extra() const { return 7; }
    int m_extraData = 42;
};

class CAnimal : public CObject {
    DECLARE_DYNAMIC(CAnimal)
};
IMPLEMENT_DYNAMIC(CAnimal, CObject)

class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)
public:
    int m_legs = 4;
};
IMPLEMENT_DYNCREATE(CDog, CAnimal)

// CObject first, another base second.
class CMixedFirst : public CObject, public IExtra {
    DECLARE_DYNCREATE(CMixedFirst)
};
IMPLEMENT_DYNCREATE(CMixedFirst, CObject)

// Another base first: the CObject part does not start the object.
class CMixedSecond : public IExtra, public CObject {
    DECLARE_DYNCREATE(CMixedSecond)
public:
    int m_value = 5;
};
IMPLEMENT_DYNCREATE(CMixedSecond, CObject)

TEST(RuntimeClass, RecordsNameSizeBaseAndSchema)
{
    const CRuntimeClass* dog = RUNTIME_CLASS(CDog);
    EXPECT_STREQ("CDog", dog->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CDog)), dog->m_nObjectSize);
    EXPECT_EQ(RUNTIME_CLASS(CAnimal), dog->m_pBaseClass);
    EXPECT_EQ(FW_NOT_SERIAL_SCHEMA, dog->m_wSchema);
    EXPECT_FALSE(dog->IsSerializable());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pBaseClass);
}

TEST(RuntimeClass, IsKindOfFollowsTheBaseChain)
{
    CDog dog;
    CObject* object = &dog;
    EXPECT_EQ(RUNTIME_CLASS(CDog), object->GetRuntimeClass());
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(object->IsKindOf(RUNTIME_CLASS(CMixedFirst)));
    EXPECT_FALSE(RUNTIME_CLASS(CAnimal)->IsDerivedFrom(RUNTIME_CLASS(CDog)));
}

TEST(RuntimeClass, FindsClassesByNameAndCreatesThem)
{
    EXPECT_EQ(RUNTIME_CLASS(CDog), CRuntimeClass::FromName("CDog"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(RUNTIME_CLASS(CArchiveException), CRuntimeClass::FromName("CArchiveException"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("cdog"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));

    EXPECT_EQ(nullptr, RUNTIME_CLASS(CAnimal)->CreateObject()) << "dynamic only, not creatable";
    CObject* created = CRuntimeClass::FromName("CDog")->CreateObject();
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(RUNTIME_CLASS(CDog), created->GetRuntimeClass());
    EXPECT_EQ(4, static_cast<CDog*>(created)->m_legs);
    delete created;
}

TEST(RuntimeClass, ClassesWithASecondBaseWork)
{
    for (const CRuntimeClass* cls : {RUNTIME_CLASS(CMixedFirst), RUNTIME_CLASS(CMixedSecond)}) {
        CObject* object = cls->CreateObject();
        ASSERT_NE(nullptr, object) << cls->m_lpszClassName;
        EXPECT_EQ(cls, object->GetRuntimeClass());
        EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CObject)));
        auto* extra = dynamic_cast<IExtra*>(object);
        ASSERT_NE(nullptr, extra) << cls->m_lpszClassName;
        EXPECT_EQ(7, extra->Extra());
        EXPECT_EQ(42, extra->m_extraData);
        delete object;  // through CObject's virtual destructor
    }
    CMixedSecond* second = static_cast<CMixedSecond*>(RUNTIME_CLASS(CMixedSecond)->CreateObject());
    EXPECT_EQ(5, second->m_value);
    delete second;
}

TEST(Exceptions, AreThrownByValueAndCaughtByBaseReference)
{
    try {
        FwThrowArchiveException(CArchiveException::badClass, "test");
    } catch (CException& e) {
        ASSERT_TRUE(e.IsKindOf(RUNTIME_CLASS(CArchiveException)));
        EXPECT_EQ(CArchiveException::badClass, static_cast<CArchiveException&>(e).m_cause);
        char text[128];
        EXPECT_TRUE(e.GetErrorMessage(text, sizeof text));
        EXPECT_STRNE("", text);
    }
    EXPECT_THROW(FwThrowMemoryException(), CMemoryException);
    EXPECT_THROW(FwThrowNotSupportedException(), CNotSupportedException);
    EXPECT_THROW(FwThrowResourceException(), CResourceException);
    EXPECT_THROW(FwThrowOleException(E_FAIL), COleException);
    EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(E_OUTOFMEMORY, COleException::Process(CMemoryException()));
    EXPECT_EQ(E_FAIL, COleException::Process(COleException(E_FAIL)));
}
