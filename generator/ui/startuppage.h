#pragma once
// "启动": where the terminal application starts, the data-field separators, the large font for
// all prompts and the terminal's own screen texts, edited group by group, reset or imported.
#include "generator/ui/editorpage.h"
#include "generator/ui/terminaltexts.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vosket {

class StartupPage : public EditorPage {
    Q_OBJECT
public:
    explicit StartupPage(EditorWorkCopy& work, QWidget* parent = nullptr);

    void apply(Project& project) override;

    // "导入提示和消息 ...": 1 when texts were taken, else 0.
    int ImportPromptsAndMessages();

private:
    bool large() const { return work.system.allPromptsLarge() != 0; }
    void showControls();
    void showGroup(int group);
    void rebuildGroupNames();
    void enableSeparators();
    void editLine(int line);
    void asciiEdited(int separator);
    void textEdited(int separator);

    EditorWorkCopy& work;
    int group = 0;
    bool echoing = false; // a separator edit showing its partner's value
    bool showing = false;

    QComboBox* start;
    QComboBox* count;
    std::array<QLineEdit*, 2> asciiEdits {};
    std::array<QLineEdit*, 2> textEdits {};
    QCheckBox* largeCheck;
    QComboBox* groups;
    std::array<QLabel*, kGroupLines> labels {};
    std::array<QLineEdit*, kGroupLines> edits {};
};

} // namespace vosket
