// Runs the simulator on any project bytes behind a correct tag, with the input's last bytes as
// picture keys and ticks: whatever a damaged file holds, the screen, the inputs, the record and
// the counter stay within their bounds and no table is indexed past its end.
#include "generator/project/projectfile.h"
#include "generator/sim/simulator.h"
#include "platform/ui/dialogs.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace vosket;

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// The warning of an application without a program, answered at once.
class SilentDialogs final : public platform::Dialogs {
public:
    platform::Answer message(const QString&, const QString&, platform::Buttons, platform::Icon) override
    {
        return platform::Answer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override
    {
        return {};
    }
};

constexpr std::size_t kMaxKeys = 256;

void CheckBounds(const Simulator& sim, const Project& p)
{
    const TextScreen& screen = sim.screen();
    for (int i = 0; i < TextScreen::LineCount; ++i) {
        Check(screen.line(i).size() <= TextScreen::LineCells);
        Check(sim.lineInput(i).size() <= Simulator::InputCapacity);
    }
    Check(screen.cursor().x() >= 0 && screen.cursor().x() < 16);
    Check(screen.highlightedLine() >= 0 && screen.highlightedLine() <= TextScreen::LineCount);
    Check(sim.transferText().size() <= kRecordCapacity);
    Check(sim.recordCounter() >= 0 && sim.recordCounter() < 10000);
    Check(sim.currentTarget() >= 0 && sim.currentTarget() <= 20);
    // The form on screen has had its line data written by the simulator, each with its NUL.
    if (sim.currentTarget() >= 1 && sim.currentTarget() <= Project::kForms) {
        const FormRecord& f = p.forms[static_cast<std::size_t>(sim.currentTarget() - 1)];
        for (int line = 0; line < FormRecord::kLines; ++line)
            Check(SlotBytes(f.lineData(line)).size() < qsizetype(FormRecord::kLineDataWidth));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentDialogs dialogs;
    platform::setDialogs(&dialogs);
    const QByteArray bytes
        = size ? QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)) : QByteArray();
    Project p;
    ResetBarcodeSettings(p.barcode);
    NewProject(p);
    ReadProjectBytes(QByteArray(kProjectTagText, sizeof kProjectTagText) + bytes, p);

    Simulator sim(p);
    if (size > 0 && data[0] % 2 == 1) {
        // As the editor's OK does.
        NormalizeForms(p);
        sim.LayoutFormLines();
        for (const FormRecord& f : p.forms) {
            for (int line = 0; line < FormRecord::kLines; ++line)
                Check(f.lineType(line) != kLineContinued || f.maxLength(line) <= FormRecord::kMaxDataLength);
        }
    }
    const std::size_t keys = std::min(size, kMaxKeys);
    for (std::size_t i = size - keys; i < size; ++i) {
        const int code = data[i] % 23;
        if (code == 0) {
            sim.tick();
        } else if (code <= FaceKeyCount) {
            // As the face does: it flips the mode while a field is typed.
            const Key key = FaceKey(code);
            if (SwitchesMode(key) && sim.screen().state() == TextScreen::FormInput)
                sim.screen().setAlphaMode(!sim.screen().alphaMode());
            sim.SimulatorKey(key);
        } else if (code == FaceKeyCount + 1) {
            sim.SimulatorKey(Key::Restart);
        } else {
            sim.reset();
        }
        CheckBounds(sim, p);
    }
    platform::setDialogs(nullptr);
    return 0;
}
