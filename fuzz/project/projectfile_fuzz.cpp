// Feeds any bytes to the project-file reader, as they are and behind a correct tag, then takes
// the loaded project through everything a damaged file could reach: saving, the preparation for
// a download, the program image and the texts.
#include "generator/project/programimage.h"
#include "generator/project/projectfile.h"

#include <cstdint>
#include <cstdlib>

using namespace vosket;

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// Every packed slot holds width - 1 bytes without a NUL and then the NUL.
void CheckImage(const ProgramImage& image)
{
    std::size_t pos = kImageMessagesOffset;
    for (const MessageBlock& m : kMessageBlocks) {
        for (int s = 0; s < m.slotCount; ++s) {
            for (std::size_t k = 0; k + 1 < m.width; ++k)
                Check(image[pos + k] != 0);
            Check(image[pos + m.width - 1] == 0);
            pos += m.width;
        }
    }
    for (std::size_t k = kImageEnd; k < image.size(); ++k)
        Check(image[k] == 0);
}

void ReadAllTexts(const Project& p)
{
    for (int b = 0; b < kMessageBlockCount; ++b) {
        for (int s = 0; s < kMessageBlocks[static_cast<std::size_t>(b)].slotCount; ++s)
            (void)SlotText(p.messages.slot(b, s));
    }
    for (const FormRecord& f : p.forms) {
        for (int line = 0; line < FormRecord::kLines; ++line)
            (void)(SlotText(f.prompt(line)) + SlotText(f.lineData(line)) + SlotText(f.leadCode(line)));
    }
    for (const MenuRecord& m : p.menus) {
        for (int i = 0; i < MenuRecord::kItems; ++i)
            (void)SlotText(m.item(i));
    }
}

Project NewAtStart()
{
    Project p;
    ResetBarcodeSettings(p.barcode);
    NewProject(p);
    return p;
}

void Run(const QByteArray& file)
{
    static const Project kNew = NewAtStart();
    static const QByteArray fresh = ProjectFileBytes(kNew);
    Project p = kNew;

    const FileRead result = ReadProjectBytes(file, p);
    const QByteArray saved = ProjectFileBytes(p);
    Check(saved.size() == static_cast<qsizetype>(kProjectFileSize));
    if (result == FileRead::WrongFormat)
        Check(saved == fresh);

    // What was saved reads back completely into the same bytes.
    Project again;
    Check(ReadProjectBytes(saved, again) == FileRead::Complete);
    again.tag = p.tag;
    Check(ProjectFileBytes(again) == saved);

    ReadAllTexts(p);
    NormalizeForms(p);
    PadMenuStrings(p);
    CheckImage(BuildProgramImage(p));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file
        = size ? QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)) : QByteArray();
    Run(file);
    Run(QByteArray(kProjectTagText, sizeof kProjectTagText) + file);
    return 0;
}
