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
    StartupPage(Project& project, QWidget* parent = nullptr);

    void apply(Project& project) override;

    const TerminalTexts& texts() const { return lines; }
    bool textsChanged() const { return changed; }

    // "导入提示和消息 ...": 1 when texts were taken, else 0.
    int ImportPromptsAndMessages();

private:
    void showControls();
    void showGroup(int group);
    void rebuildGroupNames();
    void enableSeparators();
    void editLine(int line);
    void asciiEdited(int separator);
    void textEdited(int separator);

    TerminalTexts lines;
    uint8_t startTarget = 0;
    int separatorCount = 0;
    std::array<uint8_t, SystemSettings::kFieldSeparators> separators {};
    bool large = false;
    bool changed = false;
    int group = 0;
    bool echoing = false; // a separator edit showing its partner's value
    bool showing = false;

    QComboBox* start;
    QComboBox* count;
    std::array<QLineEdit*, 2> asciiEdits {};
    std::array<QLineEdit*, 2> textEdits {};
    QCheckBox* largeFont;
    QComboBox* groups;
    std::array<QLabel*, kGroupLines> labels {};
    std::array<QLineEdit*, kGroupLines> edits {};
};

} // namespace vosket
