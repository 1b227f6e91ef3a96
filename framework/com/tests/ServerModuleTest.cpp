#include "com/ClassFactory.h"
#include "com/DispatchImpl.h"
#include "com/ServerModule.h"

#include <gtest/gtest.h>

namespace {
const CLSID kTestClsid = {0x6a1f0c3e, 0x51d2, 0x4c8a, {0x9e, 0x1b, 0x27, 0x40, 0x88, 0x13, 0x5c, 0x01}};
const CLSID kOtherClsid = {0x6a1f0c3e, 0x51d2, 0x4c8a, {0x9e, 0x1b, 0x27, 0x40, 0x88, 0x13, 0x5c, 0x02}};

class CTestObject : public CDispatchImpl<IDispatch, &IID_IDispatch> {};

const ComClassEntry kClasses[] = {{&kTestClsid, CreateComObject<CTestObject>}};

class ServerModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CServerModule::Get().Init(GetModuleHandleA(nullptr), kClasses, 1, GUID_NULL);
        ASSERT_EQ(0, CServerModule::Get().GetLockCount());
    }
    void TearDown() override { CServerModule::Get().Term(); }
};

TEST_F(ServerModuleTest, LockCountFollowsFactoriesObjectsAndLockServer)
{
    CServerModule& module = CServerModule::Get();
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, module.GetClassObject(kTestClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(S_FALSE, module.CanUnloadNow());

    IUnknown* outer = factory;
    void* object = &outer;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &object));
    EXPECT_EQ(1, module.GetLockCount());

    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    EXPECT_EQ(2, module.GetLockCount());
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(1, module.GetLockCount());

    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    EXPECT_EQ(1u, unknown->Release());
    EXPECT_EQ(0u, dispatch->Release());
    EXPECT_EQ(S_OK, module.CanUnloadNow());

    ASSERT_EQ(S_OK, module.GetClassObject(kTestClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(S_FALSE, module.CanUnloadNow());
    ASSERT_EQ(S_OK, module.GetClassObject(kTestClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(S_OK, module.CanUnloadNow());
}

TEST_F(ServerModuleTest, UnknownClassAndMissingTypeLibraryFailCleanly)
{
    CServerModule& module = CServerModule::Get();
    void* object = &module;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, module.GetClassObject(kOtherClsid, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);

    // This program carries no type library: the dispatch side reports it.
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, CreateComObject<CTestObject>(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    ITypeInfo* info = nullptr;
    EXPECT_TRUE(FAILED(dispatch->GetTypeInfo(0, 0, &info)));
    EXPECT_EQ(nullptr, info);
    DISPPARAMS none = {};
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
              dispatch->Invoke(1, IID_IUnknown, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr));
    EXPECT_TRUE(FAILED(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr)));
    dispatch->Release();
    EXPECT_EQ(S_OK, module.CanUnloadNow());
}
}  // namespace
