#include "command/command_channel.h"

#include <QByteArray>
#include <QDir>

namespace klaxora {

namespace {

// Tells a record of this program from anything else that reaches the socket.
constexpr quint32 RequestTag = 0x4B4C5852; // "KLXR"
constexpr quint32 ReplyTag = 0x4B4C5841;   // "KLXA"

QByteArray Bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Text(const QByteArray& bytes)
{
    return bytes.toStdString();
}

} // namespace

QString CommandSocketPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Klaxora.socket"));
}

void WriteRequest(QDataStream& out, const CommandRequest& request)
{
    out << RequestTag << quint8(request.Kind) << Bytes(request.Message) << request.Time << bool(request.Date)
        << request.Date.value_or(0) << quint8(request.Sound) << Bytes(request.SoundFile)
        << quint8(request.Mode) << request.TodayOnly;
}

bool ReadRequest(QDataStream& in, CommandRequest& request)
{
    quint32 tag = 0;
    quint8 kind = 0;
    QByteArray message;
    bool hasDate = false;
    double date = 0;
    quint8 sound = 0;
    QByteArray soundFile;
    quint8 mode = 0;
    in >> tag >> kind >> message >> request.Time >> hasDate >> date >> sound >> soundFile >> mode >>
        request.TodayOnly;
    if (in.status() != QDataStream::Ok || tag != RequestTag || kind > quint8(CommandKind::Show) ||
        sound > quint8(SoundChoice::File) || mode > amSoundOnly)
        return false;
    request.Kind = CommandKind(kind);
    request.Message = Text(message);
    request.Date = hasDate ? std::optional<TDateTime>(date) : std::nullopt;
    request.Sound = SoundChoice(sound);
    request.SoundFile = Text(soundFile);
    request.Mode = mode;
    return true;
}

void WriteReply(QDataStream& out, const CommandReply& reply)
{
    out << ReplyTag << qint32(reply.ExitCode) << Bytes(reply.Output) << Bytes(reply.Errors);
}

bool ReadReply(QDataStream& in, CommandReply& reply)
{
    quint32 tag = 0;
    qint32 exitCode = 0;
    QByteArray output;
    QByteArray errors;
    in >> tag >> exitCode >> output >> errors;
    if (in.status() != QDataStream::Ok || tag != ReplyTag)
        return false;
    reply = {exitCode, Text(output), Text(errors)};
    return true;
}

} // namespace klaxora
