#include "core/Object.h"
#include <cstring>

namespace {
CRuntimeClass* g_pFirstClass = nullptr;
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), FW_NOT_SERIAL_SCHEMA, nullptr, nullptr, nullptr};
static CRuntimeClassRegistrar fwRegisterCObject(RUNTIME_CLASS(CObject));

CRuntimeClassRegistrar::CRuntimeClassRegistrar(CRuntimeClass* pClass)
{
    pClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

BOOL CRuntimeClass::IsSerializable() const
{
    return m_pfnCreateObject && m_wSchema != FW_NOT_SERIAL_SCHEMA;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    for (CRuntimeClass* p = g_pFirstClass; p; p = p->m_pNextClass) {
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->IsSerializable();
}
