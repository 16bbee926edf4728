#include "generator/link/collect.h"

#include "generator/link/openlink.h"
#include "generator/link/receivedcount.h"
#include "generator/link/recordline.h"

#include "platform/ui/collecteddatafile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/processes.h"

#include <QFileInfo>

namespace vosket {
namespace {

    using platform::Buttons;
    using platform::Icon;

    const QString errorCaption = QStringLiteral("错误");
    const QString uploadCaption = QStringLiteral("上传数据");

    void showError(const QString& text)
    {
        platform::dialogs().message(text, errorCaption, Buttons::Ok, Icon::None);
    }

    // False when the port is gone. A unit that timed out counts as sent: the terminal asks
    // again or repeats its record, and the protocol's own rules take that.
    [[nodiscard]] bool send(LinkContext& link, QByteArrayView unit)
    {
        // Anything still unread is a remainder of the line just answered.
        link.port.discardInput();
        return link.port.write(asBytes(unit)) != WriteResult::PortGone;
    }

    // The count box is on the screen from the first accepted record until the loop ends.
    class CountBox {
    public:
        explicit CountBox(ReceivedCountView* view)
            : view(view)
        {
            if (view)
                view->prepare();
        }
        ~CountBox() { remove(); }
        CountBox(const CountBox&) = delete;
        CountBox& operator=(const CountBox&) = delete;
        void show(int count)
        {
            if (view)
                view->showCount(count);
        }
        // Before a closing message, so the box does not stand over it.
        void remove()
        {
            if (view)
                view->remove();
            view = nullptr;
        }

    private:
        ReceivedCountView* view;
    };

    bool handshake(LinkContext& link)
    {
        for (int failures = 0;; ++failures) {
            const bool sent = send(link, "READ\r");
            QByteArray answer;
            bool timedOut = true;
            const int64_t deadline = link.env.clock->nowMs() + link.env.timing.replyMs;
            uint8_t byte;
            while (sent && readBefore(link, &byte, 1, deadline)) {
                if (answer.size() < 10) {
                    answer.append(static_cast<char>(byte));
                    if (byte == '\r') {
                        timedOut = false;
                        break;
                    }
                }
            }
            if (link.port.gone()) {
                showError(QStringLiteral("建立连接失败!"));
                return false;
            }
            if (timedOut && failures >= 3) {
                showError(QStringLiteral("超时!"));
                return false;
            }
            if (answer == "ACK\r")
                return true;
            if (failures >= 5) {
                showError(QStringLiteral("建立连接失败!"));
                return false;
            }
        }
    }

    // The stock windows would take the start of a cut-off line for a serial number: a record
    // goes into the file whole or not at all.
    [[nodiscard]] bool writeRecord(QFile& out, std::span<const uint8_t> data)
    {
        QByteArray line(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
        line.append("\r\n");
        const qint64 before = out.pos();
        if (out.write(line) == line.size() && out.flush())
            return true;
        out.resize(before);
        return false;
    }

} // namespace

Received ReceiveRecords(LinkContext& link, QFile& out)
{
    if (!handshake(link))
        return { Received::End::NoConnection, 0 };
    int silences = 0;
    int expected = 0;
    int count = 0;
    CountBox box(link.env.countView);
    // Ends the loop with its message, saying how many records the file keeps.
    const auto stop = [&](Received::End end, const QString& text) {
        box.remove();
        showError(count > 0 ? text + QStringLiteral("\n已收到 %1 笔数据.").arg(count) : text);
        return Received { end, count };
    };
    const QString linkLost = QStringLiteral("连接中断!");
    RecordLineReader reader;
    for (;;) {
        reader.clear();
        const int64_t deadline = link.env.clock->nowMs() + link.env.timing.recordMs;
        bool complete = false;
        uint8_t byte;
        while (!complete && readBefore(link, &byte, 1, deadline))
            complete = reader.add(byte);
        if (!complete && link.port.gone())
            return stop(Received::End::LinkLost, linkLost);
        if (!complete) {
            if (silences >= 10)
                return stop(Received::End::TimedOut, QStringLiteral("超时!"));
            ++silences;
            if (!send(link, "NAK\r"))
                return stop(Received::End::LinkLost, linkLost);
            continue;
        }
        silences = 0;
        const RecordCheck record = checkRecord(reader.line(), reader.overflowed(), expected);
        if (record.verdict == RecordVerdict::End)
            return { Received::End::Over, count };
        const bool isNew = record.verdict == RecordVerdict::New;
        const qint64 before = out.pos();
        if (isNew && !writeRecord(out, record.data))
            return stop(Received::End::WriteFailed, QStringLiteral("写入数据文件失败!"));
        if (!send(link, record.verdict == RecordVerdict::Refused ? "NAK\r" : "ACK\r")) {
            // Not acknowledged, the record stays on the terminal for the next collection.
            out.resize(before);
            return stop(Received::End::LinkLost, linkLost);
        }
        if (isNew) {
            ++count;
            expected = (expected + 1) % 10;
            box.show(count);
        }
    }
}

QString ChooseDataFile()
{
    return platform::dialogs().saveFileName(QString(), QFileInfo(platform::collectedDataFilePath()).path(),
        QStringLiteral("数据文件 {*.TXT} (*.TXT *.txt);;All files {*.*} (*)"), QStringLiteral("txt"));
}

std::unique_ptr<SerialLink> OpenCollectPort(
    LinkEnvironment& env, const LinkSettings& settings, Adapter adapter)
{
    const LinkFailureTexts texts { QStringLiteral("打开COM口失败"), Icon::None,
        QStringLiteral("不能设置IR设备!") };
    LinkFailure failure = LinkFailure::None;
    return openLink(env, settings, adapter, texts, failure);
}

int CollectData(LinkEnvironment& env, const LinkSettings& settings, Adapter adapter)
{
    const QString path = ChooseDataFile();
    if (path.isEmpty())
        return 0;
    QFile file(path);
    // Unbuffered: a failed write leaves nothing queued that a later close could still write.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered)) {
        showError(QStringLiteral("文件打开/创建失败!"));
        return -2;
    }
    std::unique_ptr<SerialLink> port = OpenCollectPort(env, settings, adapter);
    if (!port)
        return -3;
    Received received;
    {
        LinkContext link { *port, env };
        received = ReceiveRecords(link, file);
    }
    port.reset();
    file.close();
    switch (received.end) {
    case Received::End::WriteFailed:
        return -2;
    case Received::End::TimedOut:
    case Received::End::LinkLost:
        // Records already written are kept; the stock windows can still import them.
        if (received.count == 0)
            file.remove();
        return received.end == Received::End::TimedOut ? -1 : -3;
    case Received::End::Over:
    case Received::End::NoConnection:
        break;
    }
    if (received.count == 0) {
        platform::dialogs().message(
            QStringLiteral("没有接收到数据!"), uploadCaption, Buttons::Ok, Icon::None);
        file.remove();
        return 0;
    }
    const QString question = QStringLiteral("完成 : 收到 %1 笔数据.\n查看收到的数据?").arg(received.count);
    if (platform::dialogs().message(question, uploadCaption, Buttons::YesNo, Icon::None)
        == platform::Answer::Yes)
        platform::processes().startDetached(QStringLiteral("xdg-open"), { path });
    return received.count;
}

} // namespace vosket
