// Message maps for command and notification handlers, as in the framework:
//   DECLARE_MESSAGE_MAP() in the class, and in the .cpp
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_BN_CLICKED(IDC_ADD, &CMyDlg::OnAdd)
//     ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, &CMyDlg::OnTabChange)
//     ON_MESSAGE(0x7101, &CMyDlg::OnMacroQuery)
//   END_MESSAGE_MAP()
// Window messages (WM_SIZE, WM_TIMER, ...) always reach the virtual handlers of CWnd, so the
// ON_WM_* entries are accepted and expand to nothing.
#pragma once

#include "win/messages.h"

class CWnd;
struct NMHDR;

namespace mfc {

enum class MapKind : unsigned char { End, Command, CommandRange, Notify, NotifyRange, Message };

using CommandHandler = void (CWnd::*)();
using CommandRangeHandler = void (CWnd::*)(UINT);
using NotifyHandler = void (CWnd::*)(NMHDR*, LRESULT*);
using NotifyRangeHandler = void (CWnd::*)(UINT, NMHDR*, LRESULT*);
using MessageHandler = LRESULT (CWnd::*)(WPARAM, LPARAM);

struct MessageMapEntry {
    MapKind kind = MapKind::End;
    UINT message = 0;  // WM_COMMAND, WM_NOTIFY or the message of ON_MESSAGE
    UINT code = 0;     // notification code
    UINT idFirst = 0;
    UINT idLast = 0;
    CommandHandler command = nullptr;
    CommandRangeHandler commandRange = nullptr;
    NotifyHandler notify = nullptr;
    NotifyRangeHandler notifyRange = nullptr;
    MessageHandler handler = nullptr;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

}  // namespace mfc

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const ::mfc::MessageMap* GetThisMessageMap();        \
    const ::mfc::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const ::mfc::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::mfc::MessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                         \
        using TheBaseClass = baseClass;                                                      \
        static const ::mfc::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                      \
    {::mfc::MapKind::End}                                                      \
    };                                                                         \
    static const ::mfc::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }


#define ON_COMMAND(id_, fn_) \
    {.kind = ::mfc::MapKind::Command, .message = WM_COMMAND, .code = 0, .idFirst = static_cast<UINT>(id_), .idLast = static_cast<UINT>(id_), .command = static_cast<::mfc::CommandHandler>(fn_)},
#define ON_CONTROL(code_, id_, fn_) \
    {.kind = ::mfc::MapKind::Command, .message = WM_COMMAND, .code = static_cast<UINT>(code_), .idFirst = static_cast<UINT>(id_), .idLast = static_cast<UINT>(id_), .command = static_cast<::mfc::CommandHandler>(fn_)},
#define ON_COMMAND_RANGE(first_, last_, fn_) \
    {.kind = ::mfc::MapKind::CommandRange, .message = WM_COMMAND, .code = 0, .idFirst = static_cast<UINT>(first_), .idLast = static_cast<UINT>(last_), .commandRange = static_cast<::mfc::CommandRangeHandler>(fn_)},
#define ON_CONTROL_RANGE(code_, first_, last_, fn_) \
    {.kind = ::mfc::MapKind::CommandRange, .message = WM_COMMAND, .code = static_cast<UINT>(code_), .idFirst = static_cast<UINT>(first_), .idLast = static_cast<UINT>(last_), .commandRange = static_cast<::mfc::CommandRangeHandler>(fn_)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_NOTIFY(code_, id_, fn_) \
    {.kind = ::mfc::MapKind::Notify, .message = WM_NOTIFY, .code = static_cast<UINT>(code_), .idFirst = static_cast<UINT>(id_), .idLast = static_cast<UINT>(id_), .notify = static_cast<::mfc::NotifyHandler>(fn_)},
#define ON_NOTIFY_RANGE(code_, first_, last_, fn_) \
    {.kind = ::mfc::MapKind::NotifyRange, .message = WM_NOTIFY, .code = static_cast<UINT>(code_), .idFirst = static_cast<UINT>(first_), .idLast = static_cast<UINT>(last_), .notifyRange = static_cast<::mfc::NotifyRangeHandler>(fn_)},
#define ON_MESSAGE(msg_, fn_) \
    {.kind = ::mfc::MapKind::Message, .message = static_cast<UINT>(msg_), .code = 0, .idFirst = 0, .idLast = 0, .handler = static_cast<::mfc::MessageHandler>(fn_)},

// Window messages go to the virtual handlers; these entries document intent only.
#define ON_WM_SIZE()
#define ON_WM_SIZING()
#define ON_WM_MOVE()
#define ON_WM_GETMINMAXINFO()
#define ON_WM_TIMER()
#define ON_WM_DESTROY()
#define ON_WM_CLOSE()
#define ON_WM_PAINT()
#define ON_WM_ERASEBKGND()
#define ON_WM_LBUTTONDOWN()
#define ON_WM_LBUTTONUP()
#define ON_WM_LBUTTONDBLCLK()
#define ON_WM_RBUTTONDOWN()
#define ON_WM_RBUTTONUP()
#define ON_WM_MOUSEMOVE()
#define ON_WM_MOUSEWHEEL()
#define ON_WM_KEYDOWN()
#define ON_WM_KEYUP()
#define ON_WM_CHAR()
#define ON_WM_SETCURSOR()
#define ON_WM_CTLCOLOR()
#define ON_WM_SETFOCUS()
#define ON_WM_KILLFOCUS()
#define ON_WM_SHOWWINDOW()
#define ON_WM_CREATE()
#define ON_WM_CONTEXTMENU()
#define ON_WM_HSCROLL()
#define ON_WM_VSCROLL()
#define ON_WM_WINDOWPOSCHANGED()
#define ON_WM_DRAWITEM()
