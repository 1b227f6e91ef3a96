// The barcode dialog: data, Code 39 options, encoded string and preview, clipboard copy, and
// "Insert Barcode", which hands the barcode to the caller of LoadDialog.
#pragma once

#include "BarcodeSettings.h"
#include "FadeStatic.h"
#include "HyperLinkButton.h"
#include "InsertBarcodeData.h"
#include "NoticeStatic.h"
#include "Resource.h"

#include "core/Map.h"
#include "core/Rect.h"
#include "core/String.h"
#include "win/ComboBox.h"
#include "win/Dialog.h"
#include "win/Edit.h"

class CBarcodeDlg : public CDialog
{
public:
    enum { IDD = IDD_BARCODE_DIALOG };

    // The record is written only when the dialog ends with "Insert Barcode".
    explicit CBarcodeDlg(InsertBarcodeData* pData, CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Keystroke filter for the data edit: false swallows the character; it may be changed.
    BOOL FilterChar(UINT& ch);
    void CopyToClipboard();
    void OnEncodeCopy();

    const BarcodeSettings& GetSettings() const { return m_settings; }
    const CFadeStatic& GetDisplay() const { return m_display; }
    const CFadeStatic& GetPreview() const { return m_preview; }
    // The flash frame in client coordinates and its tick count; the frame shows on even counts.
    const CRect& GetFlashRect() const { return m_flashRect; }
    int GetFlashCount() const { return m_flashCount; }
    BOOL IsFlashing() const { return m_bFlashing; }

protected:
    BOOL OnInitDialog() override;
    // Enter and Esc leave the dialog open.
    void OnOK() override {}
    void OnCancel() override {}

    void OnHumanReadable();
    void OnCheckCharacter();
    void OnFullAscii();
    void OnSizeRadio(UINT nID);
    void OnFontChosen();
    void OnPointSizeChosen();
    void OnStartStop(UINT nID);
    void OnDataChanged();
    void OnCopyFontInfo();
    void UpdateCharButtons();
    void OnControlCharButton(UINT nID);
    void OnChooseColor();
    void OnInsertBarcode();
    void OnFontHelp();
    void OnStartStopHelp();
    void OnWebLink();
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void SubclassControls();
    void FillCombos();
    void BuildFullAsciiTable();
    BOOL ConvertFullAscii(const CString& data, CString& form) const;
    void FillFontList();
    void UpdatePreviewFont();
    BOOL ValidateData();
    void ReportInvalidData();
    void AddCheckCharacter();
    void ShowCopyHint();
    void FlashControl(int nID);
    void FlashTick();
    void DrawFlashFrame();
    void EraseFlash();
    void StopFlash();
    int SelectedPointSize() const;
    BOOL IsDataEmpty() const;
    CString GetData() const;
    void PlaceClipboardText(UINT format, const CString& text);

    CHyperLinkButton m_link;
    CNoticeStatic m_notice;
    CFadeStatic m_preview;
    CComboBox m_charView;
    CFadeStatic m_display;
    CEdit m_dataEdit;
    CComboBox m_pointSize;
    CComboBox m_fontCombo;
    HICON m_hIcon = nullptr;
    CString m_startChars;
    CString m_stopChars;
    BarcodeSettings m_settings{};
    CRect m_flashRect;
    int m_flashCount = 0;
    BOOL m_bFlashing = FALSE;
    InsertBarcodeData* m_pData;
    CMapStringToString m_fullAsciiTable;
};
