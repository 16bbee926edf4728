#include "generator/link/download.h"

#include "generator/link/downloadprogress.h"
#include "generator/link/openlink.h"

#include "platform/ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace vosket {
namespace {

    using platform::Buttons;
    using platform::Icon;

    constexpr qint64 filePieceBytes = 128;

    void showError(const QString& text)
    {
        platform::dialogs().message(text, QStringLiteral("错误"), Buttons::Ok, Icon::Warning);
    }

    // A unit without "ACK" after four sends, or a port that went away (no reply is waited for,
    // nothing is sent again).
    void reportDownloadError()
    {
        showError(QStringLiteral("下载出错!"));
    }

    void reportOverlongLine()
    {
        showError(QStringLiteral("索引文件中有超过%1字节的行, 不能下载!").arg(maxLookupLineBytes));
    }

    void setProgress(LinkContext& link, int percent)
    {
        if (link.env.progress)
            link.env.progress->setPosition(std::min(percent, 100));
    }

    // The progress window lives while one transfer runs.
    class ProgressWindow {
    public:
        explicit ProgressWindow(DownloadProgress* view)
            : view(view)
        {
            if (view)
                view->begin();
        }
        ~ProgressWindow()
        {
            if (view)
                view->end();
        }
        ProgressWindow(const ProgressWindow&) = delete;
        ProgressWindow& operator=(const ProgressWindow&) = delete;

    private:
        DownloadProgress* view;
    };

    enum class Walk { Done, TooLong, Stopped };

    // Reads the file from its start in 128-byte pieces, up to the size it had at the start (a file
    // that shrinks meanwhile ends early), and hands each finished line's frame to line, which
    // stops the walk by returning false. piece hears how far the walk has come.
    Walk walkLookupLines(QIODevice& file, const std::function<bool(const Bytes&)>& line,
        const std::function<void(qint64 done, qint64 size)>& piece)
    {
        if (!file.seek(0))
            return Walk::Stopped;
        const qint64 size = file.size();
        LookupLineBuilder builder;
        qint64 done = 0;
        while (done < size) {
            char bytes[filePieceBytes];
            const qint64 n = file.read(bytes, filePieceBytes);
            if (n <= 0)
                break;
            for (qint64 i = 0; i < n; ++i) {
                const auto step = builder.add(static_cast<uint8_t>(bytes[i]));
                if (step == LookupLineBuilder::Step::TooLong)
                    return Walk::TooLong;
                if (step == LookupLineBuilder::Step::LineEnded && !line(builder.takeFrame()))
                    return Walk::Stopped;
            }
            done += n;
            piece(done, size);
        }
        // The last line may lack its CR.
        if (builder.pending() && !line(builder.takeFrame()))
            return Walk::Stopped;
        return Walk::Done;
    }

} // namespace

std::optional<QByteArray> SendAndReadReply(LinkContext& link, std::span<const uint8_t> unit)
{
    // Whatever came before belongs to an earlier exchange.
    link.port.discardInput();
    // A write that timed out may still have reached the terminal, and a full terminal says so
    // whatever it got: the reply is read under the same rules either way.
    if (link.port.write(unit) == WriteResult::PortGone)
        return std::nullopt;
    ReplyCollector reply;
    const int64_t deadline = link.env.clock->nowMs() + link.env.timing.replyMs;
    while (!reply.complete()) {
        uint8_t read[ReplyCollector::bytesPerRead];
        const size_t n = readBefore(link, read, sizeof read, deadline);
        if (n == 0)
            break;
        reply.add(std::span(read, n));
    }
    if (link.port.gone())
        return std::nullopt;
    return reply.reply();
}

int HandshakeTerminal(LinkContext& link)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<QByteArray> reply = SendAndReadReply(link, asBytes(handshakeUnit));
        if (!reply) {
            reportDownloadError();
            return 0;
        }
        if (classifyReply(*reply) == ReplyKind::Ack)
            return 1;
    }
    showError(QStringLiteral("终端没有准备好!"));
    return 0;
}

int SendBlockAwaitAck(LinkContext& link, std::span<const uint8_t> unit)
{
    for (int send = 0; send < 4; ++send) {
        const std::optional<QByteArray> reply = SendAndReadReply(link, unit);
        if (!reply)
            break;
        switch (classifyReply(*reply)) {
        case ReplyKind::Ack:
            return 1;
        case ReplyKind::Full:
            showError(QStringLiteral("终端内存已满!"));
            return 0;
        case ReplyKind::Other:
            break;
        }
    }
    reportDownloadError();
    return 0;
}

int DownloadProgramImage(LinkContext& link, const ImageBuilder& buildImage)
{
    const Bytes image = buildImage();
    if (image.size() != programImageSize)
        return 0;
    int percent = 5;
    for (int n = 0; n < programBlockCount; ++n) {
        if (!SendBlockAwaitAck(link, programBlock(image, n)))
            return 0;
        if (n % 2 == 1)
            ++percent;
        setProgress(link, percent);
    }
    setProgress(link, 100);
    return 1;
}

int DownloadIndexFile(LinkContext& link, QIODevice& file)
{
    const Walk walk = walkLookupLines(
        file, [&](const Bytes& frame) { return SendBlockAwaitAck(link, frame) == 1; },
        [&](qint64 done, qint64 size) { setProgress(link, static_cast<int>(done * 100 / size)); });
    if (walk == Walk::TooLong)
        reportOverlongLine();
    if (walk != Walk::Done)
        return 0;
    setProgress(link, 100);
    return SendBlockAwaitAck(link, asBytes(lookupEndUnit));
}

int RunDownload(LinkContext& link, DownloadKind kind, const ImageBuilder& buildImage, QIODevice* file)
{
    if (!HandshakeTerminal(link))
        return 0;
    int result = 0;
    {
        ProgressWindow window(link.env.progress);
        setProgress(link, 0);
        result = kind == DownloadKind::LookupFile ? DownloadIndexFile(link, *file)
                                                  : DownloadProgramImage(link, buildImage);
    }
    if (result == 1)
        platform::dialogs().message(
            QStringLiteral("下载成功!"), QStringLiteral("下载"), Buttons::Ok, Icon::Warning);
    return result;
}

bool ChooseIndexFile(LinkEnvironment& env)
{
    const QString folder = env.indexFilePath.isEmpty() ? QDir::homePath() : env.indexFilePath;
    const QString chosen = platform::dialogs().openFileName(
        QString(), folder, QStringLiteral("索引数据文件 {*.TXT} (*.TXT *.txt);;所有文件 {*.*} (*)"));
    if (chosen.isEmpty())
        return false;
    env.indexFilePath = chosen;
    return true;
}

int DownloadToTerminal(LinkEnvironment& env, const LinkSettings& settings, Adapter adapter, DownloadKind kind,
    const ImageBuilder& buildImage)
{
    QFile file;
    if (kind == DownloadKind::LookupFile) {
        if (!ChooseIndexFile(env))
            return 0;
        file.setFileName(env.indexFilePath);
        // A line too long for the line frame is refused before the port is opened.
        const Walk walk = file.open(QIODevice::ReadOnly) ? walkLookupLines(
                              file, [](const Bytes&) { return true; }, [](qint64, qint64) {})
                                                         : Walk::Stopped;
        if (walk == Walk::Stopped) {
            showError(QStringLiteral("不能打开文件!"));
            return -1;
        }
        if (walk == Walk::TooLong) {
            reportOverlongLine();
            return -1;
        }
    }
    const LinkFailureTexts texts { QStringLiteral("不能打开COM端口!"), Icon::Warning,
        QStringLiteral("设置IR设备失败!") };
    LinkFailure failure = LinkFailure::None;
    const std::unique_ptr<SerialLink> port = openLink(env, settings, adapter, texts, failure);
    if (!port)
        return failure == LinkFailure::Configuration ? 0 : -1;
    LinkContext link { *port, env };
    int result = 0;
    while ((result = RunDownload(link, kind, buildImage, &file)) == 0) {
        if (platform::dialogs().message(
                QStringLiteral("下载失败, 要重试吗?"), QStringLiteral("错误"), Buttons::YesNo, Icon::Question)
            != platform::Answer::Yes)
            break;
    }
    port->discardInput();
    return result;
}

} // namespace vosket
