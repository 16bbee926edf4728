#pragma once
// Sending the program image or a lookup data file to the terminal: a handshake, then units that
// the terminal answers "ACK" (or "FULL"), stop and wait.
#include "generator/link/downloadframes.h"
#include "generator/link/linkenvironment.h"

#include <QIODevice>
#include <functional>
#include <optional>

namespace vosket {

enum class DownloadKind { ProgramImage = 0, LookupFile = 1 };

// Prepares the project and builds the 20,000-byte program image; run before every attempt.
using ImageBuilder = std::function<Bytes()>;

// Sends one unit and returns the terminal's reply without its final CR, whether its write went out
// in time or not: empty after silence; nothing when the port is gone.
[[nodiscard]] std::optional<QByteArray> SendAndReadReply(LinkContext& link, std::span<const uint8_t> unit);
// 1 when one of three handshakes was answered "ACK"; 0 after the message.
[[nodiscard]] int HandshakeTerminal(LinkContext& link);
// Sends unit until "ACK" (1), at most four times; "FULL", four failures or a port gone give 0.
[[nodiscard]] int SendBlockAwaitAck(LinkContext& link, std::span<const uint8_t> unit);
[[nodiscard]] int DownloadProgramImage(LinkContext& link, const ImageBuilder& buildImage);
// Sends the file from its start, line by line, then "OVER".
[[nodiscard]] int DownloadIndexFile(LinkContext& link, QIODevice& file);
// One attempt: handshake, transfer, success message. 1 or 0.
[[nodiscard]] int RunDownload(
    LinkContext& link, DownloadKind kind, const ImageBuilder& buildImage, QIODevice* file);
// The open dialog for the lookup file; keeps the choice in env.
[[nodiscard]] bool ChooseIndexFile(LinkEnvironment& env);
// 1 after a transfer succeeded; 0 when no file was chosen, the line configuration was refused or
// the user gave up after a failure; -1 when the file, the port or the adapter failed.
int DownloadToTerminal(LinkEnvironment& env, const LinkSettings& settings, Adapter adapter, DownloadKind kind,
    const ImageBuilder& buildImage);

} // namespace vosket
