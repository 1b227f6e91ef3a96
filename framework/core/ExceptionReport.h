// Exceptions caught where they may go no further (window procedures, entry points,
// COM methods, exports) are reported here, so none disappears without a trace.
// The default report writes a line for the debugger (OutputDebugString); an
// application or a test replaces it, for example to make a test fail loudly.
// This lives in the lowest layer so that any binary reports the same way, with or
// without an application object.
#pragma once
#include "core/Exception.h"

#include <windows.h>

#include <new>
#include <type_traits>

// lpszWhere names the boundary ("window procedure"), lpszWhat describes the exception.
typedef void (*FwExceptionReportFn)(LPCSTR lpszWhere, LPCSTR lpszWhat);

// Replaces the report; null restores the default. Returns the previous one.
FwExceptionReportFn FwSetExceptionReport(FwExceptionReportFn pfn);

// Call only inside a catch block: describes the exception being handled (a framework
// exception's message, a standard exception's what(), else "unknown exception") and
// reports it. Never throws, even when the report does.
void FwReportCurrentException(LPCSTR lpszWhere) noexcept;

// The one way a function turns a failure inside it into FALSE: runs fn and answers what it
// answers (TRUE for a function without a result); a framework exception or an allocation
// failure in it is reported at lpszWhere and answers FALSE. Other exceptions go on.
// pbOutOfMemory, when given, tells a failure for lack of memory from any other.
template <class Fn>
BOOL FwFalseOnException(LPCSTR lpszWhere, Fn&& fn, BOOL* pbOutOfMemory = nullptr)
{
    if (pbOutOfMemory)
        *pbOutOfMemory = FALSE;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Fn>>) {
            fn();
            return TRUE;
        } else {
            return fn() ? TRUE : FALSE;
        }
    } catch (CMemoryException&) {
        FwReportCurrentException(lpszWhere);
        if (pbOutOfMemory)
            *pbOutOfMemory = TRUE;
    } catch (CException&) {
        FwReportCurrentException(lpszWhere);
    } catch (std::bad_alloc&) {
        FwReportCurrentException(lpszWhere);
        if (pbOutOfMemory)
            *pbOutOfMemory = TRUE;
    }
    return FALSE;
}
