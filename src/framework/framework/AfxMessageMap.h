// Static message tables. Each class that handles messages declares DECLARE_MESSAGE_MAP()
// and defines one explicit array of entries between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP;
// lookup walks the class's table, then its base's, and so on. Nothing registers itself.
//
// An entry names a message (and for WM_COMMAND a notification code and a control id range)
// and a handler: a small function made from the member function at compile time, which
// unpacks wParam and lParam into the member's parameters and calls it.
#pragma once

#include "framework/AfxTypes.h"

class CWnd;

// WM_CTLCOLOR stands for all WM_CTLCOLOR* messages in a table, as in the framework.
// Windows' <windowsx.h> defines it with the same value.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019u
#endif

using AFX_PMSG = LRESULT (*)(CWnd* target, UINT message, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Leaves the class declaration in its protected part, as the framework's macro does.
#define DECLARE_MESSAGE_MAP()                     \
  protected:                                      \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                     \
    }                                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
        using ThisClass [[maybe_unused]] = theClass;    \
        using TheBaseClass = baseClass;                 \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                         \
    { 0, 0, 0, 0, nullptr }                                                                       \
    }                                                                                             \
    ;                                                                                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                           \
    }

#include "framework/AfxHandlers.h"

// Window messages.
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &afx::OnPaintHandler<&ThisClass::OnPaint>},
#define ON_WM_ERASEBKGND() \
    {WM_ERASEBKGND, 0, 0, 0, &afx::OnEraseBkgndHandler<&ThisClass::OnEraseBkgnd>},
#define ON_WM_CTLCOLOR() {WM_CTLCOLOR, 0, 0, 0, &afx::OnCtlColorHandler<&ThisClass::OnCtlColor>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &afx::VoidHandler<&ThisClass::OnDestroy>},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, 0, &afx::HandleHandler<&ThisClass::OnQueryDragIcon>},
#define ON_WM_LBUTTONDOWN() \
    {WM_LBUTTONDOWN, 0, 0, 0, &afx::MouseHandler<&ThisClass::OnLButtonDown>},
#define ON_WM_LBUTTONUP() {WM_LBUTTONUP, 0, 0, 0, &afx::MouseHandler<&ThisClass::OnLButtonUp>},
#define ON_WM_MOUSEMOVE() {WM_MOUSEMOVE, 0, 0, 0, &afx::MouseHandler<&ThisClass::OnMouseMove>},
#define ON_WM_MOUSEHOVER() {WM_MOUSEHOVER, 0, 0, 0, &afx::MouseHandler<&ThisClass::OnMouseHover>},
#define ON_WM_MOUSELEAVE() {WM_MOUSELEAVE, 0, 0, 0, &afx::VoidHandler<&ThisClass::OnMouseLeave>},
#define ON_WM_KEYDOWN() {WM_KEYDOWN, 0, 0, 0, &afx::KeyHandler<&ThisClass::OnKeyDown>},
#define ON_WM_KEYUP() {WM_KEYUP, 0, 0, 0, &afx::KeyHandler<&ThisClass::OnKeyUp>},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, 0, &afx::OnTimerHandler<&ThisClass::OnTimer>},
#define ON_WM_HSCROLL() {WM_HSCROLL, 0, 0, 0, &afx::OnHScrollHandler<&ThisClass::OnHScroll>},
#define ON_WM_DRAWITEM() {WM_DRAWITEM, 0, 0, 0, &afx::OnDrawItemHandler<&ThisClass::OnDrawItem>},
#define ON_MESSAGE(message, memberFxn) \
    {message, 0, 0, 0,                 \
     &afx::RawHandler<static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(memberFxn)>},

// Commands and control notifications, by control id.
#define ON_CONTROL(code, id, memberFxn)                                                 \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
     &afx::CommandHandler<memberFxn>},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
