// The barcode dialog: data, Code 39 options, encoded string and preview, clipboard copy, and
// "Insert Barcode", which hands the barcode to the caller of LoadDialog.
#pragma once

#include "BarcodeSettings.h"
#include "FadeStatic.h"
#include "FlashFrame.h"
#include "HyperLinkButton.h"
#include "InsertBarcodeData.h"
#include "NoticeStatic.h"
#include "Resource.h"

#include "core/String.h"
#include "win/ComboBox.h"
#include "win/Dialog.h"
#include "win/Edit.h"

class CBarcodeDlg : public CDialog {
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
    const CFlashFrame& GetFlash() const { return m_flash; }

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
    void FillFontList();
    void UpdatePreviewFont();
    BOOL ValidateData();
    void ReportInvalidData();
    void AddCheckCharacter();
    // The data between the start and stop characters of the chosen pair.
    CString Framed(const CString& data) const;
    void ShowEncoded(const CString& encoded);
    // The control the user should act on next: the data edit, "Encode & Copy" or the copy.
    int NextStepControl() const;
    void ShowCopyHint();
    void FlashControl(int nID);
    int SelectedPointSize() const;
    BOOL IsDataEmpty() const;
    CString GetData() const;

    CHyperLinkButton m_link;
    CNoticeStatic m_notice;
    CFadeStatic m_preview;
    CComboBox m_charView;
    CFadeStatic m_display;
    CEdit m_dataEdit;
    CComboBox m_pointSize;
    CComboBox m_fontCombo;
    HICON m_hIcon = nullptr;
    BarcodeSettings m_settings {};
    CFlashFrame m_flash {this};
    InsertBarcodeData* m_pData;
};
