// What an announcement must be: an alarm of the model that is due, not early and not a second time, in the
// form its mode asks for; and what the answer makes of it.
#include "engine/year_simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace klaxora::year {

namespace {

constexpr long long Second = 1000;
constexpr long long Minute = 60 * Second;

} // namespace

void YearSimulation::checkMissedTogether(const Heard& heard)
{
    std::vector<Held> gone;
    std::set_difference(storedBefore_.begin(), storedBefore_.end(), storedNow_.begin(), storedNow_.end(),
                        std::back_inserter(gone));
    if (gone.size() != heard.missedTogether)
        return fail("the window of missed alarms listed " + std::to_string(heard.missedTogether) +
                    " and took out " + std::to_string(gone.size()));
    for (const Held& held : gone) {
        if (held.due > heard.wallAt || !model_.remove(held.number, held.due, held.mode))
            return fail(alarmMessage(held.number) + " was taken out as missed at " + wallText(held.due));
    }
    figures_.missedTogether += static_cast<int>(gone.size());
}

void YearSimulation::checkAnnouncement(const Heard& heard, long long loadedBefore)
{
    const int number = heard.messages > 0 ? heard.messageNumber : heard.soundNumber;
    if (heard.messages > 0 && heard.sounds > 0 && heard.messageNumber != heard.soundNumber)
        return fail("the sound and the message of one announcement belong to different alarms");
    const std::vector<const ExpectedAlarm*> candidates = model_.ringable(number, heard.wallAt);
    if (candidates.empty())
        return fail(alarmMessage(number) + " was announced early, twice, or without being set");
    // Clones and snoozes share their message; the one that left the lists is the one that rang. When the
    // tick also reloaded the lists, they are compared as the reload leaves them: whole minutes.
    const bool reloaded = loadedBefore >= 0;
    if (reloaded) {
        for (Held& held : storedBefore_)
            held.due = floorToMinute(held.due);
        std::sort(storedBefore_.begin(), storedBefore_.end());
    }
    const std::vector<long long> gone = dueTimesGone(number, storedBefore_, storedNow_);
    const ExpectedAlarm* rung = nullptr;
    for (const ExpectedAlarm* candidate : candidates) {
        const long long due = reloaded ? floorToMinute(candidate->due) : candidate->due;
        if (rung == nullptr && std::find(gone.begin(), gone.end(), due) != gone.end())
            rung = candidate;
    }
    if (rung == nullptr) {
        std::string dues;
        for (const ExpectedAlarm* candidate : candidates)
            dues += " " + wallText(candidate->due);
        return fail(alarmMessage(number) + " rang at " + wallText(heard.wallAt) +
                    ", but no alarm of that number due then was taken out as expected; due were" + dues);
    }
    // Long past, it is told as missed: without its sound, and always with the window. Due only since the
    // last tick ended, it is no later than the real time since then (the wall clock jumped over it).
    long long lateForMissed = heard.wallAt - rung->due;
    if (lastTickWall_ >= 0 && rung->due > lastTickWall_)
        lateForMissed = std::min(lateForMissed, heard.utcAt - lastTickUtc_);
    const bool missed = lateForMissed > 10 * Minute;
    const bool sound = rung->mode != amMessageOnly && !missed;
    const bool dialog = rung->mode != amSoundOnly || missed;
    if ((heard.sounds > 0) != sound || (heard.messages > 0) != dialog)
        return fail(alarmMessage(number) + " was announced against its mode " + std::to_string(rung->mode));
    if (heard.messages > 0 && heard.toldAsMissed != missed)
        return fail(alarmMessage(number) + (missed ? " was told without" : " was told with") +
                    " the missed line");

    const ExpectedAlarm alarm = *rung;
    model_.rang(alarm.number, alarm.due, alarm.mode);
    ++figures_.announcements;
    ++figures_.answers[heard.answer];
    const long long late = heard.wallAt - alarm.due;
    figures_.maxLateMs = std::max(figures_.maxLateMs, late);
    figures_.lateRings += late > 2 * Second ? 1 : 0;
    figures_.missedRings += missed ? 1 : 0;
    std::string snoozeNote;
    bool snoozeOverChange = false;
    if (alarm.snoozedAtUtc >= 0) {
        ++figures_.snoozedRings;
        figures_.maxSnoozeEarlyMs = std::max(figures_.maxSnoozeEarlyMs, alarm.requestedWall - heard.wallAt);
        if (alarm.clockSetBacks == clockSetBacks_) {
            const double realMinutes = static_cast<double>(heard.utcAt - alarm.snoozedAtUtc) / Minute;
            char text[96];
            std::snprintf(text, sizeof text, ", %.2f real minutes after a snooze of %d", realMinutes,
                          alarm.snoozeMinutes);
            snoozeNote = text;
            const auto crosses = [&](long long change) {
                return alarm.snoozedAtUtc < change && heard.utcAt >= change;
            };
            snoozeOverChange = crosses(plan_.springChangeUtc) || crosses(plan_.autumnChangeUtc);
        }
    }
    // The notes keep what the clock changes did: the first ring of each alarm set for them, and every
    // snooze that spanned a daylight-saving change.
    const auto watched = watched_.find(number);
    if (watched != watched_.end() && (alarm.snoozedAtUtc < 0 || snoozeOverChange)) {
        char offset[32];
        std::snprintf(offset, sizeof offset, " (UTC%+lld)", test::utcOffsetSeconds(heard.utcAt) / 3600);
        note(watched->second + ": rang at " + wallText(heard.wallAt) + offset + snoozeNote + ", answer " +
             std::to_string(heard.answer));
    } else if (snoozeOverChange) {
        note(alarmMessage(number) + " rang at " + wallText(heard.wallAt) + snoozeNote);
    }
    if (heard.messages > 0 && heard.answer < 0) {
        const int minutes = -heard.answer;
        ExpectedAlarm snooze{
            .number = number, .due = shiftedWallMs(heard.answerWall, minutes), .mode = alarm.mode};
        snooze.snoozedAtUtc = heard.answerUtc;
        snooze.snoozeMinutes = minutes;
        snooze.requestedWall = heard.answerWall + std::llround(minutes * 60000.048);
        snooze.clockSetBacks = clockSetBacks_;
        model_.add(snooze);
    }
}

} // namespace klaxora::year
