#include "engine/year_program.h"

#include "engine/year_checks.h"

namespace klaxora::year {

namespace {

// "sounds/alarm-<n>.wav" gives n.
int NumberOfSound(const std::string& path)
{
    const std::size_t dash = path.rfind('-');
    const std::size_t dot = path.rfind('.');
    if (dash == std::string::npos || dot == std::string::npos || dot <= dash)
        return -1;
    return AlarmNumber("Alarm " + path.substr(dash + 1, dot - dash - 1));
}

} // namespace

void Heard::Reset()
{
    messages = sounds = 0;
    messageNumber = soundNumber = -1;
    wallAt = utcAt = -1;
    answer = 0;
    clockText.clear();
    error.clear();
}

int AnsweringHost::ShowAlarmMessage(const std::string& message)
{
    Mark();
    ++heard.messages;
    heard.messageNumber = AlarmNumber(message);
    heard.answer = answer_(message);
    heard.answerUtc = clock_.UtcMs();
    heard.answerWall = test::LocalWallMs(heard.answerUtc);
    return heard.answer;
}

void AnsweringHost::PlaySoundNow(const std::string& waveFile)
{
    Mark();
    ++heard.sounds;
    heard.soundNumber = NumberOfSound(waveFile);
}

void AnsweringHost::Mark()
{
    if (heard.wallAt < 0) {
        heard.utcAt = clock_.UtcMs();
        heard.wallAt = test::LocalWallMs(heard.utcAt);
    }
}

} // namespace klaxora::year
