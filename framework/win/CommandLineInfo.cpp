#include "win/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag || !pszParam || !*pszParam || !m_strFileName.IsEmpty())
        return;
    m_strFileName = pszParam;
    m_nShellCommand = FileOpen;
}
