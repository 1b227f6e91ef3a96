// CObject and CRuntimeClass: the root of every framework object that can say
// what class it is, be created by class, or be stored in an archive.
#pragma once
#include <windows.h>

class CObject;
class CArchive;

// A schema with this bit set is versionable: the loading side accepts any stored
// schema and asks the archive which one it is reading (CArchive::GetObjectSchema).
#define VERSIONABLE_SCHEMA 0x80000000u
// Schema of classes that can be created by class but not stored in archives.
#define FW_NOT_SERIAL_SCHEMA 0xFFFFu

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();  // null for classes that are not creatable
    CRuntimeClass* m_pBaseClass;      // null only for CObject
    CRuntimeClass* m_pNextClass;      // process-wide list, linked at start-up

    CObject* CreateObject() const;  // null when the class is not creatable
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    BOOL IsSerializable() const;
    static CRuntimeClass* FromName(LPCSTR lpszClassName);

    // Class records inside archives.
    void Store(CArchive& ar) const;
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Links a class record into the process-wide list (one static instance per class).
struct CRuntimeClassRegistrar {
    explicit CRuntimeClassRegistrar(CRuntimeClass* pClass);
};

class CObject {
public:
    static CRuntimeClass classCObject;

    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define FW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                        \
    CRuntimeClass class_name::class##class_name = {                                                                    \
        #class_name, sizeof(class_name), (wSchema), (pfnNew), RUNTIME_CLASS(base_class_name), nullptr};                \
    static CRuntimeClassRegistrar fwRegister##class_name(RUNTIME_CLASS(class_name));                                   \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    FW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, FW_NOT_SERIAL_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    FW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, FW_NOT_SERIAL_SCHEMA, class_name::CreateObject)

// Reading "ar >> pObject" accepts only objects of class_name or a class derived from it.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    FW_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, (wSchema), class_name::CreateObject)                        \
    CArchive& operator>>(CArchive& ar, class_name*& pOb)                                                               \
    {                                                                                                                  \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                                      \
        return ar;                                                                                                     \
    }
