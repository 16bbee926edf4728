#pragma once
// The group rights editor's rules: the list of groups in one sheet, the two rights flags of every
// registered window for the chosen group in another; a save writes one row per window, a right
// click deletes a group with all its rows. Headless; the window forwards its clicks.
#include "desktop/frame/rights.h"
#include "desktop/masterdata/grideditor.h"
#include "platform/grid/sheetmodel.h"

namespace korvell {

// Rows of the group list for n groups: 20 while n is below 20, else n + 2 (one blank row).
int groupListRowCount(int groups);
// Rows of the rights sheet for n windows: 20 while n is below 20, else n + 1.
int rightsRowCount(int programs);

inline constexpr char groupRightsWindow[] = "usergroup";

class GroupRightsEditor {
public:
    GroupRightsEditor(platform::SheetModel& groups, platform::SheetModel& rights);

    // Columns and captions of the group list; the rights sheet is set up by showRights.
    void prepare();
    // Reads the group names into the list; earlier rows and edits go, and so do the flags shown.
    bool loadGroups();
    // Shows the flags of the group in groupRow of the list. False, with the rights sheet left as
    // it was, when that row holds no name; false, with no flags shown, when they could not be
    // read (the toast has told why).
    bool showRights(int groupRow);
    // Writes the flags shown, one row per window, for the group in groupRow (which may carry a
    // new or edited name since its flags were shown). Nothing happens when that row holds no
    // name; when the flags shown are another row's, or none are, that row's are shown instead
    // and nothing is written.
    SaveOutcome save(int groupRow);
    // The right-button handler of the group list: deletes the group in row after the question.
    bool deleteOnMouseButton(int button, int row);

private:
    QString groupAt(int row) const;
    void setUpRightsColumns();
    bool readRights(const QString& group);

    platform::SheetModel& groups;
    platform::SheetModel& rights;
    int shownRow = -1; // the row of the group list whose flags the rights sheet shows
};

} // namespace korvell
