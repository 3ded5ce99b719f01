// CMacroTabProf: the profile page of the macro dialog (tab kind 2), on dialog resource
// 219. Its fixed band edits one profile group, or one profile of it: section, offset,
// rotation (typed or chosen) and base plane (picked in the drawing), with the
// profile settings and segmented-profile dialogs. Templates may give every group its
// own buttons instead; then the band shows only the segmented-profile button.
#pragma once

#include "macrodlg/macro_tab_page.h"

class CMacroTabProf : public CMacroTabPage {
public:
    enum { IDD = 219 };

    CMacroTabProf(CDlgMacro* owner, int tabIndex, long long singleProfileId);

    bool isProfilePage() const override { return true; }
    // The group chosen in 1212 and the profile chosen in 1213 (0: the whole group).
    Zk_String currentGroup() const;
    long long currentProfileId() const;
    // Opens the profile settings dialog on the current profile or group.
    void openProfileDialog();

    bool profileForDialog(const Zk_String& group, MacroProfData& profile) const override;
    bool setProfileFromDialog(const Zk_String& group, const MacroProfData& profile) override;

protected:
    void initFixedControls() override;
    int bandHeight() const override;
    void layoutBand(const RECT& band) override;
    void loadFixed() override;
    void readFixed(MacroTabData& tab) override;
    bool onFixedCommand(int id, int code) override;
    bool onDynamicButton(const MacroPageBinding& binding) override;
    bool actsOnClick(int code) const override;

private:
    bool showsProfileBand() const;
    // The profile the band shows: the single chosen one or the group's merged properties.
    bool currentProfile(MacroProfData& profile) const;
    void fillGroups();
    void fillProfiles();
    void showProfile();
    // Picks the base plane for the plane combo's item; true when picked.
    bool pickPlane();
    void openSegmentedDialog();
    HWND item(int id) const;

    Zk_Array<long long> m_profileIds;  // the objects of the chosen group, parallel to 1213 from item 1
    Zk_StringArray m_sectionNames;     // parallel to 1221
    Zk_String m_group;
    long long m_singleProfileId = 0;
    bool m_singleProfile = false;
};
