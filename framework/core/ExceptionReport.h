// Exceptions caught where they may go no further (window procedures, entry points,
// COM methods, exports) are reported here, so none disappears without a trace.
// The default report writes a line for the debugger (OutputDebugString); an
// application or a test replaces it, for example to make a test fail loudly.
// This lives in the lowest layer so that any binary reports the same way, with or
// without an application object.
#pragma once
#include <windows.h>

// lpszWhere names the boundary ("window procedure"), lpszWhat describes the exception.
typedef void (*FwExceptionReportFn)(LPCSTR lpszWhere, LPCSTR lpszWhat);

// Replaces the report; null restores the default. Returns the previous one.
FwExceptionReportFn FwSetExceptionReport(FwExceptionReportFn pfn);

// Call only inside a catch block: describes the exception being handled (a framework
// exception's message, a standard exception's what(), else "unknown exception") and
// reports it. Never throws, even when the report does.
void FwReportCurrentException(LPCSTR lpszWhere) noexcept;
