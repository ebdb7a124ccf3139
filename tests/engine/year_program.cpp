#include "engine/year_program.h"

#include "engine/year_checks.h"

namespace klaxora::year {

namespace {

// "sounds/alarm-<n>.wav" gives n.
int numberOfSound(const std::string& path)
{
    const std::size_t dash = path.rfind('-');
    const std::size_t dot = path.rfind('.');
    if (dash == std::string::npos || dot == std::string::npos || dot <= dash)
        return -1;
    return alarmNumber("Alarm " + path.substr(dash + 1, dot - dash - 1));
}

} // namespace

void Heard::reset()
{
    messages = sounds = 0;
    messageNumber = soundNumber = -1;
    toldAsMissed = false;
    missedTogether = 0;
    wallAt = utcAt = -1;
    answer = 0;
    clockText.clear();
    error.clear();
}

int AnsweringHost::showAlarmMessage(const std::string& message)
{
    mark();
    ++heard.messages;
    heard.toldAsMissed = message.starts_with("Missed: due at ");
    heard.messageNumber = alarmNumber(heard.toldAsMissed ? message.substr(message.find('\n') + 1) : message);
    heard.answer = answer_(message);
    heard.answerUtc = clock_.utcMs();
    heard.answerWall = test::localWallMs(heard.answerUtc);
    return heard.answer;
}

bool AnsweringHost::showMissedAlarms(const std::vector<std::string>& lines)
{
    mark();
    heard.missedTogether = lines.size();
    return true;
}

void AnsweringHost::playSoundNow(const std::string& waveFile)
{
    mark();
    ++heard.sounds;
    heard.soundNumber = numberOfSound(waveFile);
}

void AnsweringHost::mark()
{
    if (heard.wallAt < 0) {
        heard.utcAt = clock_.utcMs();
        heard.wallAt = test::localWallMs(heard.utcAt);
    }
}

} // namespace klaxora::year
