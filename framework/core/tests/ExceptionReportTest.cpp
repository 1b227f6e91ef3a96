// The one way a failure inside a function becomes FALSE: every failure it turns into FALSE is
// reported, a lack of memory is told from other failures, and what it does not handle goes on.
#include "core/ExceptionReport.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_reports;

void RecordReport(LPCSTR lpszWhere, LPCSTR /*lpszWhat*/)
{
    g_reports.push_back(lpszWhere);
}

class FalseOnExceptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_reports.clear();
        m_pfnOld = FwSetExceptionReport(&RecordReport);
    }
    void TearDown() override { FwSetExceptionReport(m_pfnOld); }

    FwExceptionReportFn m_pfnOld = nullptr;
};

TEST_F(FalseOnExceptionTest, FailuresAnswerFalseAndAreReported)
{
    struct Case {
        const char* pszName;
        void (*pfnThrow)();
        BOOL bOutOfMemory;
    } const cases[] = {
        {"framework memory exception", [] { FwThrowMemoryException(); }, TRUE},
        {"allocation failure", [] { throw std::bad_alloc(); }, TRUE},
        {"archive exception", [] { FwThrowArchiveException(CArchiveException::badIndex); }, FALSE},
        {"resource exception", [] { FwThrowResourceException(); }, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        g_reports.clear();
        BOOL bOutOfMemory = !c.bOutOfMemory;
        EXPECT_FALSE(FwFalseOnException("test boundary", c.pfnThrow, &bOutOfMemory));
        EXPECT_EQ(bOutOfMemory, c.bOutOfMemory);
        EXPECT_EQ(g_reports, std::vector<std::string> {"test boundary"});
    }
}

TEST_F(FalseOnExceptionTest, WithoutAFailureTheFunctionsAnswerStands)
{
    BOOL bOutOfMemory = TRUE;
    EXPECT_TRUE(FwFalseOnException(
        "test boundary", [] {}, &bOutOfMemory))
        << "no result means success";
    EXPECT_FALSE(bOutOfMemory);
    EXPECT_TRUE(FwFalseOnException("test boundary", [] { return 7; })) << "any true answer is TRUE";
    EXPECT_FALSE(FwFalseOnException("test boundary", [] { return FALSE; }));
    EXPECT_TRUE(g_reports.empty()) << "a FALSE answer is not an exception";
}

TEST_F(FalseOnExceptionTest, OtherExceptionsGoOn)
{
    EXPECT_THROW(FwFalseOnException("test boundary", [] { throw std::runtime_error("not ours"); }), std::runtime_error);
    EXPECT_TRUE(g_reports.empty());
}

}  // namespace
