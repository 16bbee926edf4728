#include "generator/project/projectfile.h"

#include "platform/ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace vosket {

static_assert(kFileCommOffset == ProjectTag::kSize);
static_assert(kFileBarcodeOffset == kFileCommOffset + CommSettings::kSize);
static_assert(kFileMenusOffset == kFileBarcodeOffset + BarcodeSettings::kSize);
static_assert(kFileFormsOffset == kFileMenusOffset + Project::kMenus * MenuRecord::kSize);
static_assert(kFileLookupsOffset == kFileFormsOffset + Project::kForms * FormRecord::kSize);
static_assert(kFileMessagesOffset == kFileLookupsOffset + Project::kLookups * LookupRecord::kSize);
static_assert(kFileMessagesOffset + kMessageBlocks.back().offset == 18456);
static_assert(kFileReservedOffset == kFileMessagesOffset + MessageArea::kSize);
static_assert(kFileSystemOffset == kFileReservedOffset + ReservedBlock::kSize);
static_assert(kFileBlocksEnd == kFileSystemOffset + SystemSettings::kSize);
static_assert(kProjectFileSize == kFileBlocksEnd + 100);

namespace {

    // Calls f with the bytes of every block behind the tag, in the order of the file.
    template <class P, class F> void ForEachFileBlock(P& p, F f)
    {
        f(p.comm.bytes);
        f(p.barcode.bytes);
        for (auto& m : p.menus)
            f(m.bytes);
        for (auto& form : p.forms)
            f(form.bytes);
        for (auto& l : p.lookups)
            f(l.bytes);
        f(p.messages.bytes);
        f(p.reserved.bytes);
        f(p.system.bytes);
    }

    // The tag check: the first 9 bytes must be "7300-1.00" exactly; the 10th is taken as NUL.
    bool HasProjectTag(const QByteArray& file)
    {
        constexpr qsizetype textLength = sizeof kProjectTagText - 1;
        return file.size() >= static_cast<qsizetype>(ProjectTag::kSize)
            && file.startsWith(QByteArrayView(kProjectTagText, textLength));
    }

    void Tell(const QString& text, const char* title)
    {
        platform::dialogs().message(
            text, QString::fromUtf8(title), platform::Buttons::Ok, platform::Icon::Warning);
    }

} // namespace

QByteArray ProjectFileBytes(const Project& p)
{
    QByteArray out;
    out.reserve(kProjectFileSize);
    const auto append = [&](const auto& bytes) {
        out.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    };
    append(p.tag.bytes);
    ForEachFileBlock(p, append);
    out.append(static_cast<qsizetype>(kProjectFileSize - kFileBlocksEnd), '\0');
    return out;
}

FileRead ReadProjectBytes(const QByteArray& file, Project& p)
{
    if (!HasProjectTag(file))
        return FileRead::WrongFormat;
    std::size_t pos = kFileCommOffset;
    const QByteArrayView data(file);
    const auto end = static_cast<std::size_t>(data.size());
    ForEachFileBlock(p, [&](auto& bytes) {
        // A short file leaves the rest of the blocks as they were.
        if (pos < end) {
            const QByteArrayView part = data.sliced(pos, std::min(bytes.size(), end - pos));
            std::copy(part.begin(), part.end(), reinterpret_cast<char*>(bytes.data()));
        }
        pos += bytes.size();
    });
    return end < kFileBlocksEnd ? FileRead::Short : FileRead::Complete;
}

FileLoad LoadProjectFile(const QString& path, Project& p)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileLoad::CannotOpen;
    // Only the blocks are read; the trailing zero bytes and anything behind them are not.
    QByteArray data(static_cast<qsizetype>(kFileBlocksEnd), '\0');
    qsizetype got = 0;
    while (got < data.size()) {
        const qint64 n = file.read(data.data() + got, data.size() - got);
        if (n < 0)
            return FileLoad::ReadError;
        if (n == 0)
            break;
        got += static_cast<qsizetype>(n);
    }
    data.truncate(got);
    switch (ReadProjectBytes(data, p)) {
    case FileRead::Complete:
        return FileLoad::Complete;
    case FileRead::Short:
        return FileLoad::Short;
    case FileRead::WrongFormat:
        break;
    }
    return FileLoad::WrongFormat;
}

QString WithProjectExtension(const QString& fileName)
{
    const auto lower = [](QChar c) { return c.unicode() < 0x80 ? c.toLower().unicode() : c.unicode(); };
    const qsizetype n = fileName.size();
    const bool hasExtension = n >= 4 && fileName[n - 4] == u'.' && lower(fileName[n - 3]) == u'v'
        && lower(fileName[n - 2]) == u's' && lower(fileName[n - 1]) == u'k';
    return hasExtension ? fileName : fileName + u'.' + QLatin1String(kProjectExtension);
}

bool OpenProject(Project& p)
{
    p.path.clear();
    return OpenProjectFile(
        p, platform::dialogs().openFileName({}, {}, QString::fromUtf8(kOpenProjectFilter)));
}

bool OpenProjectFile(Project& p, const QString& fileName)
{
    p.path.clear();
    if (fileName.isEmpty())
        return false;
    switch (LoadProjectFile(fileName, p)) {
    case FileLoad::CannotOpen:
        return false;
    case FileLoad::ReadError:
        Tell(QStringLiteral("读取文件出错 !!!"), "错误");
        return false;
    case FileLoad::WrongFormat:
        Tell(QString::fromUtf8(kWrongFormatMessage), "错误");
        return false;
    case FileLoad::Short:
        Tell(QStringLiteral("文件不完整, 缺少的部分保持新项目的内容 !!!"), "警告");
        break;
    case FileLoad::Complete:
        break;
    }
    p.path = fileName;
    return true;
}

bool SaveProject(Project& p)
{
    return p.path.isEmpty() ? SaveProjectAs(p) : WriteProjectFile(p);
}

bool SaveProjectAs(Project& p)
{
    return SaveProjectAsFile(p,
        platform::dialogs().saveFileName(
            {}, {}, QString::fromUtf8(kSaveProjectFilter), QLatin1String(kProjectExtension)));
}

bool SaveProjectAsFile(Project& p, const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    const QString target = WithProjectExtension(fileName);
    // The dialog asked about the name as typed; a file under the extended name was never shown.
    if (target != fileName && QFile::exists(target)
        && platform::dialogs().message(
               QDir::toNativeSeparators(target) + QStringLiteral(" 已经存在, 要替换它吗 ?"),
               QStringLiteral("警告"), platform::Buttons::YesNo, platform::Icon::Warning)
            != platform::Answer::Yes)
        return false;
    p.path = target;
    return SaveProject(p);
}

bool WriteProjectFile(Project& p)
{
    const QByteArray bytes = ProjectFileBytes(p);
    // The old file is replaced only by a completely written new one.
    QSaveFile file(p.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        Tell(QStringLiteral("保存文件失败 !!!\n") + QDir::toNativeSeparators(p.path), "错误");
        return false;
    }
    p.modified = false;
    return true;
}

} // namespace vosket
