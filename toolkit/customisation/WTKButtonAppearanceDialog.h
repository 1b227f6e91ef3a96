// CWTKButtonAppearanceDialog: the "Button Appearance" dialog of customise mode. The user
// chooses whether a button shows its image, its text or both, picks its default image or one of
// the user images, edits its text, and draws new user images.
#pragma once
#include "customisation/ButtonImageList.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "core/String.h"
#include "win/Dialog.h"

#include <memory>
#include <vector>

class CBitmap;
class CWTKImageStrip;
class CWTKToolbarButton;

class CWTKButtonAppearanceDialog : public CDialog {
public:
    enum { IDD = IDD_WTK_BUTTON_APPEARANCE };

    // pImages: the user images (may be null); the list starts at iStartImage. bMenuItem: the
    // button stands in a menu.
    CWTKButtonAppearanceDialog(CWTKToolbarButton* pButton, CWTKImageStrip* pImages, CWnd* pParent, int iStartImage = 0,
                               BOOL bMenuItem = FALSE);
    ~CWTKButtonAppearanceDialog() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    CButtonImageList& GetImageList() { return m_wndButtonList; }
    int GetImage() const { return m_iImage; }
    BOOL IsUserImage() const { return m_bUserImage; }

    // The buttons' actions.
    void AddNewImage();
    void EditSelectedImage();

protected:
    void OnImageOnly() { SetShows(TRUE, FALSE); }
    void OnTextOnly() { SetShows(FALSE, TRUE); }
    void OnImageAndText() { SetShows(TRUE, TRUE); }
    void OnDefaultImage();
    void OnUserImage();
    void OnImageListSelChange();
    void OnNewImage() { AddNewImage(); }
    void OnEditImage() { EditSelectedImage(); }
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    DECLARE_MESSAGE_MAP()

    void RebuildImageList();
    void DeleteListButtons();
    void EnableControls();
    // What the button shows: its image, its text or both.
    void SetShows(BOOL bImage, BOOL bText);
    void EnableControl(UINT nID, BOOL bEnable);
    // The "Edit Button Image" dialog (or the customisation sheet's own editor); TRUE on OK.
    BOOL EditImage(CBitmap& bitmap);
    // A bitmap of the strip's image size filled with one colour, or FALSE.
    BOOL CreateImageBitmap(CBitmap& bitmap, COLORREF clrFill) const;
    void DrawDefaultImage(CDC* pDC, const CRect& rect);
    int GetDefaultImage() const;

    CWTKToolbarButton* m_pButton;
    CWTKImageStrip* m_pImages;
    int m_iStartImage;
    BOOL m_bMenuItem;
    int m_iImage;
    BOOL m_bImage = FALSE;
    BOOL m_bText = FALSE;
    BOOL m_bUserImage = FALSE;
    CString m_strButtonText;
    CString m_strAccel;
    CButtonImageList m_wndButtonList;
    // The buttons the list shows; the dialog owns them and takes them out of the list first.
    std::vector<std::unique_ptr<CWTKToolbarButton>> m_Buttons;
};

// Runs the "Button Appearance" dialog for a button; TRUE when the user chose OK.
BOOL WTKEditButtonAppearance(CWTKToolbarButton* pButton, CWTKImageStrip* pUserImages, CWnd* pParent,
                             int iFirstUserImage, BOOL bMenuItem);
