#include "BarcodeDlg.h"

#include "ClipboardWriter.h"
#include "Code39.h"
#include "DialogConstants.h"
#include "HelpViewer.h"
#include "SettingsFile.h"

#include "core/ResourceHandle.h"
#include "win/ColorDialog.h"
#include "win/PaintDC.h"

BEGIN_MESSAGE_MAP(CBarcodeDlg, CDialog)
    ON_BN_CLICKED(IDC_HUMAN_READABLE, OnHumanReadable)
    ON_BN_CLICKED(IDC_CHECK_CHARACTER, OnCheckCharacter)
    ON_BN_CLICKED(IDC_FULL_ASCII, OnFullAscii)
    ON_COMMAND_RANGE(IDC_SIZE_XS, IDC_SIZE_XL, OnSizeRadio)
    ON_CBN_SELCHANGE(IDC_FONT_COMBO, OnFontChosen)
    ON_CBN_SELCHANGE(IDC_POINT_SIZE, OnPointSizeChosen)
    ON_COMMAND_RANGE(IDC_START_STOP_FIRST, IDC_START_STOP_LAST, OnStartStop)
    ON_BN_CLICKED(IDC_ENCODE_COPY, OnEncodeCopy)
    ON_EN_CHANGE(IDC_DATA_EDIT, OnDataChanged)
    ON_BN_CLICKED(IDC_COPY_FONT_INFO, OnCopyFontInfo)
    ON_BN_CLICKED(IDC_COPY_CLIPBOARD, CopyToClipboard)
    ON_CBN_SELCHANGE(IDC_CHAR_VIEW, UpdateCharButtons)
    ON_COMMAND_RANGE(IDC_CHAR_BUTTON_FIRST, IDC_CHAR_BUTTON_LAST, OnControlCharButton)
    ON_STN_CLICKED(IDC_COLOR_SWATCH, OnChooseColor)
    ON_BN_CLICKED(IDC_INSERT_BARCODE, OnInsertBarcode)
    ON_BN_CLICKED(IDC_FONT_HELP, OnFontHelp)
    ON_BN_CLICKED(IDC_START_STOP_HELP, OnStartStopHelp)
    ON_BN_CLICKED(IDC_WEB_LINK, OnWebLink)
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
END_MESSAGE_MAP()

namespace {

const UINT kCharLabelFirst[] = {IDS_CHAR_NAME_FIRST, IDS_CHAR_KEYBOARD_FIRST, IDS_CHAR_ASCII_FIRST};
constexpr int kCharButtonCount = IDC_CHAR_BUTTON_LAST - IDC_CHAR_BUTTON_FIRST + 1;
constexpr int kTokenLength = CCode39::kTokenLength;
// The record holds 254 characters of encoded text: start, stop, check character and at most
// two characters for every character of data (Full ASCII pairs).
constexpr int kMaxDataLength = (static_cast<int>(sizeof(InsertBarcodeData::text)) - 1 - 3) / 2;
constexpr int kMaxFaceLength = 49;
constexpr int kPointSizeChars = 5;
constexpr int kDefaultPoints = 12;

static_assert(IDCUR_HAND == CHyperLinkButton::kHandCursorId, "the link button's cursor");
using Dravel::kCharViews;
using Dravel::kFaceNames;
using Dravel::kPointSizes;

BOOL IsLower(char ch)
{
    return ch >= 'a' && ch <= 'z';
}

// Digits up to the first non-digit: "10.5" is 10.
int LeadingNumber(const CString& text)
{
    int value = 0;
    for (int i = 0; i < text.GetLength() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

CBarcodeDlg::CBarcodeDlg(InsertBarcodeData* pData, CWnd* pParent) : CDialog(IDD, pParent), m_pData(pData)
{
    m_hIcon = ::LoadIconA(FwFindResourceHandle(MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON),
                          MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CBarcodeDlg::SubclassControls()
{
    m_link.SubclassDlgItem(IDC_WEB_LINK, this);
    m_notice.SubclassDlgItem(IDC_COPIED_NOTICE, this);
    m_preview.SubclassDlgItem(IDC_PREVIEW, this);
    m_charView.SubclassDlgItem(IDC_CHAR_VIEW, this);
    m_display.SubclassDlgItem(IDC_ENCODED_DISPLAY, this);
    m_dataEdit.SubclassDlgItem(IDC_DATA_EDIT, this);
    m_pointSize.SubclassDlgItem(IDC_POINT_SIZE, this);
    m_fontCombo.SubclassDlgItem(IDC_FONT_COMBO, this);
}

void CBarcodeDlg::FillCombos()
{
    for (const char* size : kPointSizes)
        m_pointSize.AddString(size);
    for (const char* view : kCharViews)
        m_charView.AddString(view);
}

BOOL CBarcodeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SubclassControls();
    FillCombos();
    m_dataEdit.LimitText(kMaxDataLength);

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_display.SetColor(Dravel::kEncodedDisplayColour);
    CSettingsFile().Load(m_settings);

    CheckDlgButton(IDC_HUMAN_READABLE, m_settings.humanReadable ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_CHECK_CHARACTER, m_settings.checkCharacter ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_FULL_ASCII, m_settings.fullAscii ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_COPY_FONT_INFO, m_settings.copyFontInfo ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(IDC_START_STOP_FIRST, IDC_START_STOP_LAST, IDC_START_STOP_FIRST + m_settings.startStopIndex);
    m_pointSize.SetCurSel(m_settings.pointSizeIndex);
    m_charView.SetCurSel(m_settings.viewIndex);

    FillFontList();
    OnFullAscii();
    UpdateCharButtons();
    UpdatePreviewFont();
    // The template has no position, and the layout switch has just set the size.
    CenterWindow();
    return TRUE;
}

void CBarcodeDlg::FillFontList()
{
    m_fontCombo.ResetContent();
    for (const char* face : kFaceNames) {
        CString name(face);
        if (m_settings.humanReadable)
            name += Dravel::kHumanReadableSuffix;
        m_fontCombo.AddString(name);
    }
    m_fontCombo.SetCurSel(m_settings.sizeIndex);
    CheckRadioButton(IDC_SIZE_XS, IDC_SIZE_XL, IDC_SIZE_XS + m_settings.sizeIndex);
}

int CBarcodeDlg::SelectedPointSize() const
{
    const int selection = m_pointSize.GetCurSel();
    if (selection == CB_ERR)
        return kDefaultPoints;
    CString text;
    m_pointSize.GetLBText(selection, text);
    return LeadingNumber(text);
}

void CBarcodeDlg::UpdatePreviewFont()
{
    int selection = m_fontCombo.GetCurSel();
    if (selection == CB_ERR)
        selection = 1;
    CString face;
    m_fontCombo.GetLBText(selection, face);
    m_preview.SetBarcodeFont(face, SelectedPointSize());
}

CString CBarcodeDlg::GetData() const
{
    CString data;
    m_dataEdit.GetWindowText(data);
    return data;
}

BOOL CBarcodeDlg::IsDataEmpty() const
{
    return m_dataEdit.GetWindowTextLength() == 0;
}

BOOL CBarcodeDlg::FilterChar(UINT& ch)
{
    if (m_settings.fullAscii) {
        // "<" and ">" only ever open and close tokens: their buttons write them.
        if (ch == '<' || ch == '>') {
            FlashControl(ch == '<' ? IDC_CHAR_BUTTON_LT : IDC_CHAR_BUTTON_GT);
            return FALSE;
        }
        return TRUE;
    }
    if (ch >= 0x80)
        return FALSE;
    if (IsLower(static_cast<char>(ch))) {
        ch = ch - 'a' + 'A';
        return TRUE;
    }
    // Backspace edits the data; it is no data itself.
    return ch == '\b' || CCode39::IsStandardChar(static_cast<char>(ch));
}

BOOL CBarcodeDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_CHAR && m_dataEdit.m_hWnd != nullptr && pMsg->hwnd == m_dataEdit.m_hWnd) {
        UINT ch = static_cast<UINT>(pMsg->wParam);
        if (!FilterChar(ch))
            return TRUE;
        pMsg->wParam = ch;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CBarcodeDlg::ValidateData()
{
    CString data = GetData();
    for (int i = 0; i < data.GetLength(); ++i) {
        if (!CCode39::IsStandardChar(data[i]) && !IsLower(data[i]))
            return FALSE;
    }
    data.MakeUpper();
    m_dataEdit.SetWindowText(data);
    return TRUE;
}

void CBarcodeDlg::ReportInvalidData()
{
    m_dataEdit.SetWindowText(Dravel::kInvalidDataText);
    m_dataEdit.SetFocus();
    FlashControl(IDC_DATA_EDIT);
}

CString CBarcodeDlg::Framed(const CString& data) const
{
    CString framed;
    framed.Format("%c%s%c", CCode39::kStartChars[m_settings.startStopIndex], data,
                  CCode39::kStopChars[m_settings.startStopIndex]);
    return framed;
}

void CBarcodeDlg::ShowEncoded(const CString& encoded)
{
    m_display.SetText(encoded);
    m_preview.SetText(encoded);
}

void CBarcodeDlg::OnEncodeCopy()
{
    m_flash.Stop();
    if (IsDataEmpty()) {
        m_display.Clear();
        m_preview.Clear();
        FlashControl(IDC_DATA_EDIT);
        return;
    }
    CString data;
    if (m_settings.fullAscii) {
        std::string form;
        if (!CCode39::ToFullAscii(GetData().GetString(), form)) {
            ReportInvalidData();
            return;
        }
        data = form.c_str();
    } else {
        if (!ValidateData()) {
            ReportInvalidData();
            return;
        }
        data = GetData();
        data.MakeUpper();
        data.Replace(' ', CCode39::kSpaceSymbol);
    }
    ShowEncoded(Framed(data));
    if (m_settings.checkCharacter)
        AddCheckCharacter();
    CopyToClipboard();
}

void CBarcodeDlg::AddCheckCharacter()
{
    const CString shown = m_display.GetText();
    if (shown.GetLength() < 2)
        return;
    CString data = shown.Mid(1, shown.GetLength() - 2);
    data += CCode39::CheckCharacterOf(data.GetString());
    ShowEncoded(Framed(data));
}

void CBarcodeDlg::CopyToClipboard()
{
    m_flash.Stop();
    const CString text = m_display.GetText();
    if (text.IsEmpty()) {
        FlashControl(IsDataEmpty() ? IDC_DATA_EDIT : IDC_ENCODE_COPY);
        return;
    }
    {
        CClipboardWriter clipboard(this);
        clipboard.PutText(text);
        if (IsDlgButtonChecked(IDC_COPY_FONT_INFO)) {
            CString face;
            m_fontCombo.GetWindowText(face);
            clipboard.PutRichText(text, face);
        }
    }
    m_notice.ShowWindow(SW_SHOW);
    SetTimer(Dravel::kNoticeTimerId, Dravel::kNoticeTimerMs, nullptr);
}

int CBarcodeDlg::NextStepControl() const
{
    if (IsDataEmpty())
        return IDC_DATA_EDIT;
    // More than the start and stop characters: there is a barcode to copy.
    return m_display.GetText().GetLength() > 2 ? IDC_COPY_CLIPBOARD : IDC_ENCODE_COPY;
}

void CBarcodeDlg::ShowCopyHint()
{
    if (IsDlgButtonChecked(IDC_COPY_FONT_INFO))
        FlashControl(NextStepControl());
}

void CBarcodeDlg::OnHumanReadable()
{
    m_settings.humanReadable = IsDlgButtonChecked(IDC_HUMAN_READABLE) ? 1 : 0;
    FillFontList();
    UpdatePreviewFont();
    ShowCopyHint();
}

void CBarcodeDlg::OnCheckCharacter()
{
    m_settings.checkCharacter = IsDlgButtonChecked(IDC_CHECK_CHARACTER) ? 1 : 0;
    if (!m_settings.checkCharacter || !IsDataEmpty()) {
        OnEncodeCopy();
        return;
    }
    FlashControl(IDC_DATA_EDIT);
    m_dataEdit.SetFocus();
}

void CBarcodeDlg::OnFullAscii()
{
    m_flash.Stop();
    m_settings.fullAscii = IsDlgButtonChecked(IDC_FULL_ASCII) ? 1 : 0;
    const int width = m_settings.fullAscii ? Dravel::kWideWidth : Dravel::kNarrowWidth;
    SetWindowPos(nullptr, 0, 0, width, Dravel::kDialogHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_settings.fullAscii)
        return;
    if (ValidateData()) {
        OnEncodeCopy();
        return;
    }
    m_display.Clear();
    m_preview.Clear();
    // Emptied before the flash starts: the edit's change notice stops any flash.
    m_dataEdit.SetWindowText("");
    FlashControl(IDC_DATA_EDIT);
    m_dataEdit.SetFocus();
}

void CBarcodeDlg::OnSizeRadio(UINT nID)
{
    m_settings.sizeIndex = static_cast<int32_t>(nID - IDC_SIZE_XS);
    m_fontCombo.SetCurSel(m_settings.sizeIndex);
    UpdatePreviewFont();
    ShowCopyHint();
}

void CBarcodeDlg::OnFontChosen()
{
    const int selection = m_fontCombo.GetCurSel();
    if (selection == CB_ERR)
        return;
    m_settings.sizeIndex = selection;
    CheckRadioButton(IDC_SIZE_XS, IDC_SIZE_XL, IDC_SIZE_XS + selection);
    UpdatePreviewFont();
    ShowCopyHint();
}

void CBarcodeDlg::OnPointSizeChosen()
{
    const int selection = m_pointSize.GetCurSel();
    if (selection == CB_ERR)
        return;
    m_settings.pointSizeIndex = selection;
    UpdatePreviewFont();
    ShowCopyHint();
}

void CBarcodeDlg::OnStartStop(UINT nID)
{
    m_settings.startStopIndex = static_cast<int32_t>(nID - IDC_START_STOP_FIRST);
    OnEncodeCopy();
}

void CBarcodeDlg::OnDataChanged()
{
    m_flash.Stop();
}

void CBarcodeDlg::OnCopyFontInfo()
{
    m_settings.copyFontInfo = IsDlgButtonChecked(IDC_COPY_FONT_INFO) ? 1 : 0;
    FlashControl(NextStepControl());
}

void CBarcodeDlg::UpdateCharButtons()
{
    const int selection = m_charView.GetCurSel();
    if (selection != CB_ERR)
        m_settings.viewIndex = selection;
    for (int i = 0; i < kCharButtonCount; ++i) {
        CString label;
        label.LoadString(kCharLabelFirst[m_settings.viewIndex] + i);
        SetDlgItemText(IDC_CHAR_BUTTON_FIRST + i, label);
    }
}

void CBarcodeDlg::OnControlCharButton(UINT nID)
{
    // Always the name, whatever the labels show.
    CString name;
    name.LoadString(IDS_CHAR_NAME_FIRST + (nID - IDC_CHAR_BUTTON_FIRST));
    if (name == ">" || name == "<")
        name = " " + name;
    else if (name == "ESC")
        name = "ES";
    else if (name == "DEL")
        name = "DE";
    CString data = GetData();
    // A token that would not fit the encoded text's field is not added.
    if (data.GetLength() + kTokenLength <= kMaxDataLength)
        m_dataEdit.SetWindowText(data + "<" + name + ">");
    m_dataEdit.SetFocus();
    m_dataEdit.SendMessage(WM_KEYDOWN, VK_END, 0);
}

void CBarcodeDlg::OnChooseColor()
{
    CColorDialog chooser(RGB(0, 0, 0), CC_FULLOPEN | CC_RGBINIT, this);
    COLORREF customColours[16];
    for (COLORREF& colour : customColours)
        colour = RGB(255, 255, 255);
    chooser.m_cc.lpCustColors = customColours;
    if (chooser.DoModal() != IDOK)
        return;
    m_settings.colour = chooser.GetColor();
    if (CWnd* swatch = GetDlgItem(IDC_COLOR_SWATCH))
        swatch->Invalidate();
    m_preview.SetColor(m_settings.colour);
}

void CBarcodeDlg::OnInsertBarcode()
{
    CString text = m_preview.GetText();
    if (text.IsEmpty()) {
        if (IsDataEmpty()) {
            FlashControl(IDC_DATA_EDIT);
            return;
        }
        OnEncodeCopy();
        text = m_preview.GetText();
        if (text.IsEmpty())
            return;
    }
    if (m_pData != nullptr) {
        CString pointText;
        m_pointSize.GetWindowText(pointText);
        m_pData->colour = m_settings.colour;
        m_pData->size =
            m_pointSize.GetCurSel() == CB_ERR ? kDefaultPoints : LeadingNumber(pointText.Left(kPointSizeChars));
        ::lstrcpynA(m_pData->text, text, sizeof m_pData->text);
        CString face;
        m_fontCombo.GetWindowText(face);
        ::lstrcpynA(m_pData->font, face, kMaxFaceLength + 1);
    }
    EndDialog(kLoadDialogInserted);
}

void CBarcodeDlg::OnFontHelp()
{
    Dravel::StartHelpViewer(Dravel::kHelpTopic1);
}

void CBarcodeDlg::OnStartStopHelp()
{
    Dravel::StartHelpViewer(Dravel::kHelpTopic5);
}

void CBarcodeDlg::OnWebLink()
{
    CHyperLinkButton::OpenURL(Dravel::kWebAddress);
}

void CBarcodeDlg::OnClose()
{
    CSettingsFile().Save(m_settings);
    EndDialog(kLoadDialogClosed);
}

void CBarcodeDlg::FlashControl(int nID)
{
    m_flash.Start(GetDlgItem(nID));
}

void CBarcodeDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == Dravel::kNoticeTimerId) {
        m_notice.ShowWindow(SW_HIDE);
        KillTimer(Dravel::kNoticeTimerId);
    } else if (nIDEvent == Dravel::kFlashTimerId) {
        m_flash.OnTick();
    }
    CDialog::OnTimer(nIDEvent);
}

HBRUSH CBarcodeDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd != nullptr && pWnd->GetDlgCtrlID() == IDC_COLOR_SWATCH)
        pDC->SetBkColor(m_settings.colour);
    return brush;
}

void CBarcodeDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

LRESULT CBarcodeDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}
