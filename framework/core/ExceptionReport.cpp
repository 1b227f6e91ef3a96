#include "core/ExceptionReport.h"

#include "core/Exception.h"
#include "core/String.h"

#include <exception>

namespace {
void DebuggerReport(LPCSTR lpszWhere, LPCSTR lpszWhat)
{
    CString strLine;
    strLine.Format("Exception caught at the %s boundary: %s\n", lpszWhere, lpszWhat);
    ::OutputDebugStringA(strLine);
}

FwExceptionReportFn g_pfnReport = &DebuggerReport;

CString DescribeFrameworkException(const CException& e)
{
    char szMessage[256] = "";
    if (e.GetErrorMessage(szMessage, sizeof(szMessage)) && szMessage[0])
        return szMessage;
    return e.GetRuntimeClass()->m_lpszClassName;
}

// Rethrows the exception in flight to learn its kind.
CString DescribeCurrentException()
{
    try {
        throw;
    } catch (const CException& e) {
        return DescribeFrameworkException(e);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}
}  // namespace

FwExceptionReportFn FwSetExceptionReport(FwExceptionReportFn pfn)
{
    FwExceptionReportFn pfnOld = g_pfnReport;
    g_pfnReport = pfn ? pfn : &DebuggerReport;
    return pfnOld;
}

void FwReportCurrentException(LPCSTR lpszWhere) noexcept
{
    try {
        CString strWhat = DescribeCurrentException();
        g_pfnReport(lpszWhere, strWhat);
    } catch (...) {
        // A report that fails has nowhere further to go: the boundary must still hold.
    }
}
