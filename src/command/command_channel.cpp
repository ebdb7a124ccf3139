#include "command/command_channel.h"

#include <QByteArray>
#include <QDir>

namespace klaxora {

namespace {

// Tells a record of this program from anything else that reaches the socket.
constexpr quint32 RequestTag = 0x4B4C5852; // "KLXR"
constexpr quint32 ReplyTag = 0x4B4C5841;   // "KLXA"

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string text(const QByteArray& bytes)
{
    return bytes.toStdString();
}

} // namespace

int answerMilliseconds(CommandKind kind)
{
    const bool waitsForServer = kind == CommandKind::ConnectCalendar || kind == CommandKind::SyncCalendar;
    return waitsForServer ? CalendarAnswerMilliseconds : CommandAnswerMilliseconds;
}

QString commandSocketPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Klaxora.socket"));
}

void writeRequest(QDataStream& out, const CommandRequest& request)
{
    out << RequestTag << quint8(request.kind) << bytes(request.message) << request.time << bool(request.date)
        << request.date.value_or(0) << quint8(request.sound) << bytes(request.soundFile)
        << quint8(request.mode) << request.todayOnly << quint8(request.repeatDays.bits())
        << bytes(request.calendarFile) << bytes(request.calendarAddress) << bytes(request.calendarUser)
        << request.allowUnencrypted << bool(request.password) << bytes(request.password.value_or(""));
}

bool readRequest(QDataStream& in, CommandRequest& request)
{
    quint32 tag = 0;
    quint8 kind = 0;
    QByteArray message;
    bool hasDate = false;
    double date = 0;
    quint8 sound = 0;
    QByteArray soundFile;
    quint8 mode = 0;
    quint8 repeatDays = 0;
    QByteArray calendarFile;
    QByteArray calendarAddress;
    QByteArray calendarUser;
    bool hasPassword = false;
    QByteArray password;
    in >> tag >> kind >> message >> request.time >> hasDate >> date >> sound >> soundFile >> mode >>
        request.todayOnly >> repeatDays >> calendarFile >> calendarAddress >> calendarUser >>
        request.allowUnencrypted >> hasPassword >> password;
    if (in.status() != QDataStream::Ok || tag != RequestTag || kind > quint8(CommandKind::SyncCalendar) ||
        sound > quint8(SoundChoice::File) || mode > amSoundOnly || repeatDays > RepeatDays::everyDay().bits())
        return false;
    request.kind = CommandKind(kind);
    request.message = text(message);
    request.date = hasDate ? std::optional<DateTime>(date) : std::nullopt;
    request.sound = SoundChoice(sound);
    request.soundFile = text(soundFile);
    request.mode = mode;
    request.repeatDays = RepeatDays::fromBits(repeatDays);
    request.calendarFile = text(calendarFile);
    request.calendarAddress = text(calendarAddress);
    request.calendarUser = text(calendarUser);
    request.password = hasPassword ? std::optional<std::string>(text(password)) : std::nullopt;
    return true;
}

void writeReply(QDataStream& out, const CommandReply& reply)
{
    out << ReplyTag << qint32(reply.exitCode) << bytes(reply.output) << bytes(reply.errors);
}

bool readReply(QDataStream& in, CommandReply& reply)
{
    quint32 tag = 0;
    qint32 exitCode = 0;
    QByteArray output;
    QByteArray errors;
    in >> tag >> exitCode >> output >> errors;
    if (in.status() != QDataStream::Ok || tag != ReplyTag)
        return false;
    reply = {exitCode, text(output), text(errors)};
    return true;
}

} // namespace klaxora
