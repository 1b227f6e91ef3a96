#include "foundation/WTKAcceleratorText.h"

namespace {

constexpr int kKeyNameLength = 50;
constexpr LPARAM kExtendedKeyBit = 0x1000000;
constexpr char kEscape = 27;

// Page up to help sit on the extended part of the keyboard: without the bit their names would be
// those of the numeric pad.
bool IsExtendedKey(UINT uiVirtKey)
{
    return uiVirtKey >= VK_PRIOR && uiVirtKey <= VK_HELP;
}

}  // namespace

CString CWTKAcceleratorText::KeyName(UINT uiVirtKey)
{
    const UINT nScan = ::MapVirtualKeyExA(uiVirtKey, MAPVK_VK_TO_VSC, ::GetKeyboardLayout(0));
    LPARAM lParam = (static_cast<LPARAM>(nScan) << 16) + 1;
    if (IsExtendedKey(uiVirtKey))
        lParam |= kExtendedKeyBit;
    char szName[kKeyNameLength] = {};
    if (::GetKeyNameTextA(static_cast<LONG>(lParam), szName, kKeyNameLength) <= 0)
        return CString();
    CString strName(szName);
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); i++) {
        char ch = strName[i];
        if (::IsCharLowerA(ch)) {
            ::CharUpperBuffA(&ch, 1);
            strName.SetAt(i, ch);
            break;
        }
    }
    return strName;
}

void CWTKAcceleratorText::Format(CString& str) const
{
    str.Empty();
    if (!m_pAccel)
        return;
    if (m_pAccel->fVirt & FCONTROL)
        str += KeyName(VK_CONTROL) + "+";
    if (m_pAccel->fVirt & FSHIFT)
        str += KeyName(VK_SHIFT) + "+";
    if (m_pAccel->fVirt & FALT)
        str += KeyName(VK_MENU) + "+";
    if (m_pAccel->fVirt & FVIRTKEY)
        str += KeyName(m_pAccel->key);
    else if (static_cast<char>(m_pAccel->key) != kEscape)
        str += static_cast<char>(m_pAccel->key);
}
