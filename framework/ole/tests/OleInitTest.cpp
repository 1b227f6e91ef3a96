// OLE on a thread: initialised once, undone once, and refused on a thread that already
// joined the multithreaded apartment. Each case runs on a thread of its own.
#include "OleTestSupport.h"

namespace {

// What a thread saw, step by step.
typedef std::vector<std::string> Steps;

void RunOnThread(Steps (*pfnBody)(), Steps* pSteps)
{
    struct Call {
        Steps (*pfnBody)();
        Steps* pSteps;
        static DWORD WINAPI Run(void* pv)
        {
            Call* pCall = static_cast<Call*>(pv);
            *pCall->pSteps = pCall->pfnBody();
            return 0;
        }
    } call = {pfnBody, pSteps};
    HANDLE hThread = ::CreateThread(nullptr, 0, &Call::Run, &call, 0, nullptr);
    ASSERT_NE(nullptr, hThread);
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
}

std::string YesNo(BOOL b)
{
    return b ? "yes" : "no";
}

// The thread's apartment is gone when it can join the multithreaded one.
std::string ApartmentLeft()
{
    const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr))
        ::CoUninitialize();
    return hr == S_OK ? "apartment left" : "apartment kept";
}

Steps PlainThread()
{
    Steps steps;
    steps.push_back("before " + YesNo(FwOleIsInitialized()));
    steps.push_back("init " + YesNo(FwOleInit()));
    steps.push_back("again " + YesNo(FwOleInit()));
    steps.push_back("inited " + YesNo(FwOleIsInitialized()));
    FwOleTerm();
    steps.push_back("after term " + YesNo(FwOleIsInitialized()));
    steps.push_back(ApartmentLeft());
    FwOleTerm();
    return steps;
}

Steps SingleThreadedApartmentFirst()
{
    Steps steps;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    steps.push_back("init " + YesNo(FwOleInit()));
    FwOleTerm();
    ::CoUninitialize();
    steps.push_back(ApartmentLeft());
    return steps;
}

Steps MultithreadedApartmentFirst()
{
    Steps steps;
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    steps.push_back("init " + YesNo(FwOleInit()));
    steps.push_back("inited " + YesNo(FwOleIsInitialized()));
    FwOleTerm();
    ::CoUninitialize();
    return steps;
}

TEST(OleInitTest, OnceAndBalancedPerThread)
{
    Steps steps;
    RunOnThread(&PlainThread, &steps);
    const Steps expected = {"before no", "init yes", "again yes", "inited yes", "after term no", "apartment left"};
    EXPECT_EQ(expected, steps);
}

TEST(OleInitTest, ThreadInTheSingleThreadedApartmentAlreadyGetsOle)
{
    Steps steps;
    RunOnThread(&SingleThreadedApartmentFirst, &steps);
    const Steps expected = {"init yes", "apartment left"};
    EXPECT_EQ(expected, steps);
}

TEST(OleInitTest, ThreadInTheMultithreadedApartmentGetsNoOle)
{
    Steps steps;
    RunOnThread(&MultithreadedApartmentFirst, &steps);
    const Steps expected = {"init no", "inited no"};
    EXPECT_EQ(expected, steps);
}

}  // namespace
