#pragma once
// A modal-dialog seam for tests: instead of waiting for a person, each dialog the code runs
// modally is handed to the next scripted step, which drives it and returns its result.
#include "platform/ui/modal.h"

#include <QDialog>
#include <deque>
#include <functional>

namespace testsupport {

class ScriptedModal {
public:
    using Step = std::function<int(QDialog&)>;

    ScriptedModal()
    {
        previous = platform::setModalRunner([this](QDialog& dialog) {
            ++shown;
            if (steps.empty())
                return static_cast<int>(QDialog::Rejected);
            Step step = std::move(steps.front());
            steps.pop_front();
            return step(dialog);
        });
    }
    ~ScriptedModal() { platform::setModalRunner(previous); }
    ScriptedModal(const ScriptedModal&) = delete;
    ScriptedModal& operator=(const ScriptedModal&) = delete;

    // A step that drives the dialog, then closes it with OK or Cancel as a person would.
    static Step closing(std::function<void(QDialog&)> drive, bool ok = true)
    {
        return [drive = std::move(drive), ok](QDialog& d) {
            drive(d);
            ok ? d.accept() : d.reject();
            return static_cast<int>(ok ? QDialog::Accepted : QDialog::Rejected);
        };
    }

    std::deque<Step> steps; // without a step a dialog is left as it is and answers Rejected
    int shown = 0;

private:
    platform::ModalRunner previous;
};

} // namespace testsupport
