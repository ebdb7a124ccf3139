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
    <name>AlarmStore</name>
    <message>
        <source>the character &quot;^&quot;</source>
        <translation>het teken &quot;^&quot;</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>een regelterugloop (teken 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>een regelopschuiving (teken 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>het bestandseindeteken Ctrl-Z (teken 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>Het alarmbericht mag %1 niet bevatten.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>Het pad van het geluidsbestand mag %1 niet bevatten.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>De alarmsoort moet 0, 1 of 2 zijn.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>Het alarmbestand kon niet worden gelezen en wordt daarom niet overschreven; wijzigingen worden opgeslagen zodra het weer gelezen is</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>De identiteit van het alarm mag %1 niet bevatten.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>&quot;%1&quot; is geen adres van een agendaserver (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>%1 zou onversleuteld worden bereikt (http://). Gebruik https:// of sta onversleutelde verbindingen toe voor deze server.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Zie klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Een alarm zetten met deze melding (hoogstens 100 tekens, geen &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>De tijd van het alarm, in uw eigen tijdnotatie of als 24-uurs HH:MM.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>De datum van het alarm, in uw eigen datumnotatie of als YYYY-MM-DD; zonder: vandaag, of morgen als TIME vandaag al voorbij is. Met --repeat: de eerste dag waarop het mag afgaan.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Elke week op deze dagen om TIME afgaan, vanaf de eerste die nog komt: daily, weekdays (mon-fri), weekends, of dagen (mon tue wed thu fri sat sun) en reeksen in een lijst met komma&apos;s, zoals mon-fri, mon,wed,fri of fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>Het WAV-bestand dat het alarm afspeelt; zonder: het standaardgeluid.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>Het alarm heeft geen geluidsbestand.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>Wat het alarm doet: both (melding en geluid, de standaard), message of sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>De alarmen in de volgorde van de lijst tonen, één per regel: datum, tijd, soort, melding, &quot;missed&quot; of niets, en de dagen waarop een herhaald alarm afgaat (zoals --repeat ze neemt) of niets, gescheiden door tabs.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Met --list: alleen de alarmen van vandaag.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Het venster van het draaiende programma naar voren halen, of het programma starten.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Geminimaliseerd starten (ook -iconic geschreven): naar het systeemvak als &quot;Minimize to System Tray&quot; is aangevinkt.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>Klaxora! houdt een lijst van alarmen bij en laat ze afgaan. Zonder opties opent het zijn venster.
Afsluitcodes: 0 klaar, 1 fout, 2 verkeerde invoer (niets veranderd), 3 de tijd is voorbij.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>er mag geen &quot;^&quot; in staan</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>er mogen geen stuurtekens in staan (tabs, regeleinden)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>het heeft %1 tekens, hoogstens %2 zijn toegestaan</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>de melding wordt geweigerd: %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>--at TIME is nodig</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 is geen tijd; schrijf hem als %2 of als 24-uurs HH:MM</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 is geen datum; schrijf hem als %2 of als YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 is geen lijst van dagen; schrijf daily, weekdays, weekends of dagen zoals mon-fri of mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound en --no-sound sluiten elkaar uit</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is geen bestand</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>het pad wordt geweigerd: %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 is niet een van both, message, sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>meer dan eens gegeven</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>onverwacht argument (een melding van meer woorden moet tussen aanhalingstekens)</translation>
    </message>
    <message>
        <source>belongs to --add</source>
        <translation>hoort bij --add</translation>
    </message>
    <message>
        <source>belongs to --list</source>
        <translation>hoort bij --list</translation>
    </message>
    <message>
        <source>is for the window; it does not go with a command</source>
        <translation>is voor het venster; het past niet bij een opdracht</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>De alarmen van een iCalendar-bestand (.ics) toevoegen: elke afspraak of taak met een herinnering die nog komt, of voorbij is en niet beantwoord. Een die al in de lijst staat (dezelfde UID) wordt overgeslagen.</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Alle alarmen naar een iCalendar-bestand (.ics) schrijven, dat --import weer inleest.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>de bestandsnaam is leeg</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 is een map</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>standaardinvoer bevatte geen wachtwoord</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; is geen http- of https-adres, en ook geen &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>%1 zou onversleuteld worden bereikt; gebruik https of geef --allow-unencrypted op</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>het adres bevat een wachtwoord; geef het via standaardinvoer met --password-stdin</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>--user NAME is vereist</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>de naam is leeg</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>--password-stdin is vereist: het wachtwoord wordt van standaardinvoer gelezen, nooit uit de argumenten</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>hoort bij --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>hoort bij --calendar en --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>past niet bij --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>De alarmen in beide richtingen synchroniseren met een CalDAV-agenda: het eigen adres ervan, of dat van een server, waar de agenda &quot;Klaxora! Alarms&quot; wordt gebruikt (aangemaakt als die ontbreekt). Met --user en --password-stdin. &quot;off&quot; zet de synchronisatie uit; de alarmen blijven.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Met --calendar: de gebruikersnaam op de server.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Met --calendar of --sync: het wachtwoord van standaardinvoer lezen, één regel. --calendar bewaart het in de sleutelbos van het bureaublad.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Met --calendar: onversleuteld http naar deze server toestaan.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Nu met de agenda synchroniseren en tonen wat er ontvangen, verwijderd, verzonden en als conflict dubbel bewaard is.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>geef een van --add, --list, --import, --export, --calendar, --sync en --show</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Agendawachtwoord: </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>Klaxora! kon niet worden gestart vanuit %1</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>Klaxora! draaide niet; het is gestart.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>de draaiende Klaxora! stuurde een antwoord dat niet begrepen wordt</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>Klaxora! draait maar antwoordde niet binnen %1 seconden; de opdracht is misschien wel, misschien niet uitgevoerd</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>een andere Klaxora! houdt de alarmbestanden vast en antwoordde niet binnen %1 seconden</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Geen datum gegeven: morgen, %1, omdat %2 vandaag voorbij is.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Geen datum gegeven: vandaag, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 is al voorbij; er is geen alarm toegevoegd.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>het alarmbestand kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Herhaalt %1: eerst op %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>het alarmbestand kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  zonder herinnering (VALARM): %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  al in de lijst (dezelfde UID): %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  voorbij en beantwoord, gedaan of beëindigd: %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  zonder tijd om te gaan: %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  geweigerd door de alarmlijst: %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>het agendabestand kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>het agendabestand wordt geweigerd: %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Alarmen toegevoegd: %1. Afspraken overgeslagen: %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>het agendabestand kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Alarmen geëxporteerd: %1, naar %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>het bestand is groter dan 50 MB</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>het bestand bevat een NUL-teken, dat geen iCalendar-tekst heeft</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>het is geen iCalendar-tekst (geen VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>het is geen geldige iCalendar: %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Het wachtwoord wordt bewaard in de sleutelbos van het bureaublad.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>Klaxora! vraagt er bij elke start één keer om; klaxora --sync terwijl Klaxora! niet draait heeft --password-stdin nodig.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>de synchronisatie met %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Gesynchroniseerd met %1: ontvangen %2, verwijderd %3, verzonden %4, conflicten %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>het wachtwoord van de agenda is niet opgegeven</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>de agenda op %1 kan niet worden gebruikt: %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>Calendar.dat kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>De alarmen worden vanaf nu gesynchroniseerd met %1.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>De agendasynchronisatie staat al uit.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>Calendar.dat kon niet worden verwijderd: %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>De agendasynchronisatie staat uit; de alarmen blijven.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>de agendasynchronisatie staat uit; zet haar aan met klaxora --calendar URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>er is geen wachtwoord voor de agenda bewaard; geef het met klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1; geef het wachtwoord met klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>Calendar.dat kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; is geen geldige tijd</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; is geen geldige datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>De server %1 stuurde een antwoord dat geen WebDAV-multistatus is.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>De server %1 stuurde een antwoord dat niet te lezen is: %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ongeldige bestandsnaam</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Te veel geopende bestanden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Toegang tot bestand geweigerd</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Schijf vol</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O-fout %1</translation>
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
    <name>PreferencesFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
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
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>De datum en tijd van het alarm zijn al voorbij.
Zet een latere tijd, of kies een latere datum in de kalender.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Alarmbeschrijving</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Zetten</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Het alarm opslaan en zetten zoals aangegeven</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle wijzigingen ongedaan maken</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Geavanceerde alarmopties instellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>De help van Klaxora! tonen</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Jaar-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Het vorige jaar tonen</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Maand-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>De vorige maand tonen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>De datum van vandaag tonen</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Maand +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>De volgende maand tonen</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Jaar+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Het volgende jaar tonen</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Klik op de datum van het alarm</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Typ hier de melding van het alarm</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Typ hier de alarmmelding]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Melding</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;T&lt;/u&gt;ijd</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>De uren van de alarmtijd verhogen of verlagen</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Uren</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Voer hier de alarmtijd in</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>De minuten van de alarmtijd verhogen of verlagen</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Herhalen op %1</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Herhalen</translation>
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
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Alarmopties</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Als dit alarm afgaat, moet Klaxora!:</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>Melding tonen en geluid &amp;spelen</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>Op de alarmtijd de melding tonen 
en het geluid spelen</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Alleen &amp;melding tonen</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>Op de alarmtijd alleen de melding
tonen (geen geluid)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>Alleen geluid s&amp;pelen</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>Op de alarmtijd alleen het geluid 
spelen (geen melding)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Typ het pad en de naam van het .WAV-bestand</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>&amp;WAV-bestand om te spelen:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Het .WAV-bestand kiezen in een
venster om bestanden te openen</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Nu spelen</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Het gekozen .WAV-bestand spelen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>De alarmopties opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle wijzigingen ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>De help van Klaxora! tonen</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>Het alarmbestand kan deze bestandsnaam niet bevatten:
%1
Kies een bestand waarvan het pad geen &quot;^&quot; en hoogstens %2 tekens heeft.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>Er zijn geen CalDAV-agenda’s gevonden op %1.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>De server %1 noemt geen agendamap voor dit account.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>Het antwoord van %1 is groter dan %2 MB en is geweigerd.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>De server %1 heeft de verbinding verbroken.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>De server %1 heeft het verzoek te vaak omgeleid.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>De server %1 heeft de gebruikersnaam of het wachtwoord geweigerd.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>De server %1 meldde een fout (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>De server %1 antwoordde niet op tijd.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>Het certificaat van %1 wordt niet vertrouwd (%2); de server wordt geweigerd.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>De server %1 is niet bereikbaar: %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>De server %1 antwoordde onverwacht met status %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>The alarms are not synced with a calendar.</source>
        <translation>De alarmen worden met geen enkele agenda gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>De alarmen worden gesynchroniseerd met de agenda %1 als %2.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Voer het adres van de agendaserver in.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>De agenda’s van uw account worden gezocht…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (aanbevolen)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Kies de agenda om mee te synchroniseren en dan OK.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Agenda’s zoeken om een andere agenda te kiezen, of voer een nieuw wachtwoord in en OK om deze te houden.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Voer het adres van de server en uw account in, en dan Agenda’s zoeken.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Een agenda alleen voor de alarmen van Klaxora!, op de server aangemaakt als uw account er nog geen heeft.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Alle herinneringen van &quot;%1&quot; komen binnen als alarmen, en de hier gezette alarmen gaan erin.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Zoek eerst de agenda’s en kies er een.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>De agenda &quot;%1&quot; wordt gezocht…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>De server wordt naar de agenda gevraagd…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 is niet het adres van een agenda.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Het wachtwoord wordt in de sleutelbos van het bureaublad bewaard…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>Het wachtwoord wordt bewaard tot Klaxora! stopt; bij de volgende start vraagt het er opnieuw om.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Het wachtwoord wordt uit de sleutelbos van het bureaublad verwijderd…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>De synchronisatie staat uit.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Uitzetten</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Stoppen met synchroniseren; de alarmen blijven hier en op de server</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>Het adres van uw CalDAV-server of van een van zijn agenda’s</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradres:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Uw gebruikersnaam op de server</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>Uw wachtwoord op de server, bewaard in de sleutelbos van het bureaublad</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>&amp;Onversleutelde verbinding toestaan</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Alleen voor een server in uw eigen netwerk die met http:// wordt bereikt: het wachtwoord en de alarmen reizen dan leesbaar voor iedereen onderweg</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>Agenda’s &amp;zoeken</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>De server vragen naar de agenda’s van uw account</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Agenda’s:</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Agenda’s</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>De alarmen synchroniseren met de gekozen agenda</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>De agendasynchronisatie laten zoals ze was</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>Het wachtwoord kan niet uit de sleutelbos van het bureaublad worden gelezen: %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>Het wachtwoord kan niet in de sleutelbos van het bureaublad worden bewaard: %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>Het wachtwoord kan niet uit de sleutelbos van het bureaublad worden verwijderd: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>De synchronisatie is gestopt: de agenda of het wachtwoord ervan is gewijzigd.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>Het agendawachtwoord is niet bekend.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>Het alarmbestand kon niet worden gelezen; de agenda wordt niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Conflictkopie: %1</translation>
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
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-bestanden (*.ics);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Alarmen exporteren</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Alarmen importeren</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Alarmen importeren…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>De alarmen van een iCalendar-bestand (.ics) toevoegen, bijvoorbeeld uit een agendaprogramma</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Alarmen exporteren…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Alle alarmen naar een iCalendar-bestand (.ics) schrijven</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - de agenda is niet bereikbaar</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Wachtwoord voor %1 op %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>De alarmen nu met de agenda synchroniseren</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Een alarm is zowel hier als in de agenda gewijzigd. Beide blijven bewaard; dat van hier is gemarkeerd als &quot;Conflictkopie&quot;.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Agenda…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>De alarmen synchroniseren met een agenda op een CalDAV-server</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Nu synchroniseren</translation>
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
