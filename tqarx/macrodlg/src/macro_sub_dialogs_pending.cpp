// Constructors of the sub-dialogs until their windows are built: they open as empty
// dialogs of their resources.
#include "macrodlg/dlg_macro_bolt_adv.h"
#include "macrodlg/dlg_macro_pattern.h"
#include "macrodlg/dlg_macro_prof_adv.h"
#include "macrodlg/dlg_macro_prof_segm.h"

CDlgMacroBoltAdv::CDlgMacroBoltAdv(const MacroBoltData& bolt, const Zk_StringArray& diameters, MacroPageOwner* owner,
                                   CWnd* parent)
    : CDialog(IDD, parent), m_bolt(bolt), m_diameters(diameters), m_owner(owner) {}

CDlgMacroProfAdv::CDlgMacroProfAdv(const KmMACallBackData& record, KmMACallBack callback, bool singleProfile,
                                   bool segmentMode, CWnd* parent)
    : CDialog(IDD, parent),
      m_record(record),
      m_callback(callback),
      m_singleProfile(singleProfile),
      m_segmentMode(segmentMode) {}

CDlgMacroProfSegm::CDlgMacroProfSegm(const Zk_Array<MacroProfSegmentedData>& segments, CWnd* parent)
    : CDialog(IDD, parent), m_segments(segments) {}

CDlgMacroPattern::CDlgMacroPattern(MacroPageOwner* owner, int index, const MacroPatternProps& pattern, CWnd* parent)
    : CDialog(IDD, parent), m_owner(owner), m_index(index), m_pattern(pattern) {}
