// CCreateContext: what a frame needs to build its view, handed through window creation
// (the creation parameter of the frame and of the view).
#pragma once
#include "core/Object.h"

class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;  // the pane's class; null: no view
    CDocument* m_pCurrentDoc = nullptr;        // the document the new view shows
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
