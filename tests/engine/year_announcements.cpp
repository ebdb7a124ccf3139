// What an announcement must be: an alarm of the model that is due, not early and not a second time, in the
// form its mode asks for; and what the answer makes of it.
#include "engine/year_simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace klaxora::year {

namespace {

constexpr long long Second = 1000;
constexpr long long Minute = 60 * Second;

} // namespace

void YearSimulation::checkAnnouncement(const Heard& heard, long long loadedBefore)
{
    const int number = heard.messages > 0 ? heard.messageNumber : heard.soundNumber;
    if (heard.messages > 0 && heard.sounds > 0 && heard.messageNumber != heard.soundNumber)
        return fail("the sound and the message of one announcement belong to different alarms");
    const std::vector<const ExpectedAlarm*> candidates = model_.ringable(number, heard.wallAt);
    if (candidates.empty())
        return fail(alarmMessage(number) + " was announced early, twice, or without being set");
    // Clones and snoozes share their message; the one that left the lists is the one that rang. When the
    // tick also reloaded the lists, they are compared as the reload leaves them: whole minutes, and no
    // alarms of past dates.
    const bool reloaded = loadedBefore >= 0;
    if (reloaded) {
        const long long today = dayOf(wall());
        std::erase_if(storedBefore_, [&](Held& held) {
            held.due = floorToMinute(held.due);
            return dayOf(held.due) < today;
        });
        std::sort(storedBefore_.begin(), storedBefore_.end());
    }
    const std::vector<long long> gone = dueTimesGone(number, storedBefore_, storedNow_);
    const ExpectedAlarm* rung = nullptr;
    const ExpectedAlarm* ofOldDate = nullptr;
    for (const ExpectedAlarm* candidate : candidates) {
        const long long due = reloaded ? floorToMinute(candidate->due) : candidate->due;
        const bool left = std::find(gone.begin(), gone.end(), due) != gone.end();
        if (reloaded && dayOf(candidate->due) <= loadedBefore) {
            // Gone with the reload in any case; no other of the old date may still have been due.
            if (ofOldDate != nullptr)
                return fail("the alarms were reloaded while another " + alarmMessage(number) + " was due");
            ofOldDate = candidate;
        } else if (rung == nullptr && (left ? !candidate->missed : candidate->missed)) {
            rung = candidate;
        }
    }
    if (rung == nullptr)
        rung = ofOldDate;
    if (rung == nullptr) {
        std::string dues;
        for (const ExpectedAlarm* candidate : candidates)
            dues += " " + wallText(candidate->due) + (candidate->missed ? " (missed)" : "");
        return fail(alarmMessage(number) + " rang at " + wallText(heard.wallAt) +
                    ", but no alarm of that number due then was taken out as expected; due were" + dues);
    }
    const bool sound = rung->mode != amMessageOnly;
    const bool dialog = rung->mode != amSoundOnly;
    if ((heard.sounds > 0) != sound || (heard.messages > 0) != dialog)
        return fail(alarmMessage(number) + " was announced against its mode " + std::to_string(rung->mode));

    const ExpectedAlarm alarm = *rung;
    model_.rang(alarm.number, alarm.due);
    ++figures_.announcements;
    ++figures_.answers[heard.answer];
    const long long late = heard.wallAt - alarm.due;
    figures_.maxLateMs = std::max(figures_.maxLateMs, late);
    figures_.lateRings += late > 2 * Second ? 1 : 0;
    figures_.missedRings += alarm.missed ? 1 : 0;
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
