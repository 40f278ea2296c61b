#pragma once

#include "profile/profile_record.h"

namespace tavro {

// A settings page edits the record the main window is editing, without holding it:
// the main window loads the record into the page, and stores the page back into it
// before it switches profile or tab and at Apply. Between the two the page's controls
// are the only copy of the user's edits.
class ProfilePage {
public:
    virtual void LoadRecord(const ProfileRecord& record) = 0;
    virtual void StoreRecord(ProfileRecord& record) = 0;
    // After every page has loaded the record.
    virtual void OnPagesLoaded() {}

protected:
    ~ProfilePage() = default;
};

}  // namespace tavro
