<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>Gekozen alarm verwijderen?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>Het alarm verwijderen dat elke dag terugkomt?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>Het alarm verwijderen dat elke %1 terugkomt?</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 minuut</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 minuten</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 minuten</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 uur</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 dag</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 week</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 minuut</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 minuten</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 minuten</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 uur</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 dag</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 week</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
</context>
<context>
    <name>SoundMenuCommands</name>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Klaxora! is already running</source>
        <translation>Klaxora! draait al</translation>
    </message>
</context>
<context>
    <name>klaxora::AboutWindow</name>
    <message>
        <source>for Windows</source>
        <translation>voor Windows</translation>
    </message>
    <message>
        <source>Version 1.9a</source>
        <translation>Versie 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32-bits, Windows 95</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEditorDialog</name>
    <message>
        <source>Use format like:</source>
        <translation>Notatie, bijv.:</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Ongeldige tijd. Gebruik de tijdnotatie van uw systeem
   Voorbeeld: </translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEngine</name>
    <message numerus="yes">
        <source>%n alarms were missed</source>
        <translation>
            <numerusform>%n alarm gemist</numerusform>
            <numerusform>%n alarmen gemist</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Gemist: gepland om %1 op %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, gemist</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, herhaald</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, latere datum</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, vandaag</translation>
    </message>
</context>
<context>
    <name>klaxora::FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Klaxora!-help</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Helpbestand niet gevonden</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>Het helpbestand %1 hoort niet bij dit programma.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>Onderwerp niet gevonden</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Het helpbestand %1 heeft geen onderwerp nummer %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>Programma afsluiten (alarmen zijn dan niet meer actief)?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - het alarmbestand kon niet worden gelezen</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Alarm voor vandaag</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Alarm voor later</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Alleen vandaag</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>Alleen de alarmen van vandaag tonen</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Huidige tijd</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmen</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>&amp;Nieuw alarm</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Een nieuw alarm toevoegen</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Het gekozen alarm bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Het gekozen alarm verwijderen</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Een kopie maken van 
het gekozen alarm</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Tijd +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>De tijd van het gekozen alarm 
vooruit of terug zetten </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Verber&amp;g</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Klaxora! minimaliseren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Uit</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Klaxora! afsluiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Standaardgeluid kiezen (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Het .wav-bestand kiezen dat alarmen standaard afspelen</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Geen alarmgeluid</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Alle alarmgeluiden aan- of uitzetten</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimaliseren naar het systeemvak</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>Het systeemvak is het kleine paneel op het bureaublad waar de tijd staat</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Het programma afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>De help van Klaxora! tonen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>Over Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>Alarmen &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Deze alarmen zijn gemist terwijl Klaxora! niet draaide:</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle verwijderen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Bewaren</translation>
    </message>
</context>
<context>
    <name>klaxora::NotificationDialog</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Remind me again in:</source>
        <translation>Opnieuw herinneren over:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>1 minuut bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuten</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>5 minuten bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>10 minuten bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>30 minuten bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>60 minuten bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>2 uur bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 uur</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>4 uur bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 uur</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>24 uur (een hele dag) bij de alarmtijd optellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Dit alarm beëindigen</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 week</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Een hele week bij de alarmtijd optellen</translation>
    </message>
</context>
</TS>
