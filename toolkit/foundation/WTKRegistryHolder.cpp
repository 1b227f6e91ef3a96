#include "foundation/WTKRegistryHolder.h"

namespace {
CRuntimeClass* g_pRegistryClass = nullptr;
}  // namespace

CWTKRegistryHolder::~CWTKRegistryHolder()
{
    delete m_pRegistry;
}

CWTKRegistry& CWTKRegistryHolder::Create(BOOL bAdmin, BOOL bReadOnly)
{
    if (!m_pRegistry) {
        if (g_pRegistryClass) {
            CObject* pObject = g_pRegistryClass->CreateObject();
            if (pObject && pObject->IsKindOf(RUNTIME_CLASS(CWTKRegistry)))
                m_pRegistry = static_cast<CWTKRegistry*>(pObject);
            else
                delete pObject;
        }
        if (!m_pRegistry)
            m_pRegistry = new CWTKRegistry;
        m_pRegistry->SetUp(bAdmin, bReadOnly, m_nExtra);
    }
    return *m_pRegistry;
}

BOOL CWTKRegistryHolder::SetRegistryClass(CRuntimeClass* pRTI)
{
    if (pRTI && (!pRTI->IsDerivedFrom(RUNTIME_CLASS(CWTKRegistry)) || !pRTI->m_pfnCreateObject))
        return FALSE;
    g_pRegistryClass = pRTI;
    return TRUE;
}

CRuntimeClass* CWTKRegistryHolder::GetRegistryClass()
{
    return g_pRegistryClass;
}
