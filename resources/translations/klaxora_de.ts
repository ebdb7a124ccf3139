<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>Markierten Alarm löschen?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>Den täglich wiederholten Alarm löschen?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>Den Alarm löschen, der sich jeden %1 wiederholt?</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 Minute</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 Minuten</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 Minuten</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 Stunde</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 Tag</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 Woche</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 Minute</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 Minuten</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 Minuten</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 Stunde</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 Tag</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 Woche</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>the character &quot;^&quot;</source>
        <translation>das Zeichen &quot;^&quot;</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>einen Wagenrücklauf (Zeichen 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>einen Zeilenvorschub (Zeichen 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>das Dateiende-Zeichen Strg-Z (Zeichen 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>Die Alarmmeldung darf %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>Der Pfad der Klangdatei darf %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>Die Alarmart muss 0, 1 oder 2 sein.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>Die Alarmdatei konnte nicht gelesen werden und wird daher nicht überschrieben; Änderungen werden gespeichert, sobald sie wieder gelesen wurde</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>Die Kennung des Alarms darf %1 nicht enthalten.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>„%1“ ist nicht die Adresse eines Kalenderservers (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>%1 würde unverschlüsselt erreicht (http://). Verwenden Sie https:// oder erlauben Sie unverschlüsselte Verbindungen für diesen Server.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Siehe klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Einen Alarm mit dieser Meldung stellen (höchstens 100 Zeichen, kein &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>Die Uhrzeit des Alarms, im eigenen Zeitformat oder als 24-Stunden-HH:MM.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>Das Datum des Alarms, im eigenen Datumsformat oder als JJJJ-MM-TT (YYYY-MM-DD); ohne: heute, oder morgen, wenn TIME heute vorbei ist. Mit --repeat: der erste Tag, an dem er klingeln darf.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Jede Woche an diesen Tagen um TIME klingeln, ab dem ersten davon, der noch kommt: daily, weekdays (mon-fri), weekends, oder Tage (mon tue wed thu fri sat sun) und Bereiche in einer Liste mit Kommas, etwa mon-fri, mon,wed,fri oder fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>Die WAV-Datei, die der Alarm spielt; ohne: der Standardklang.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>Der Alarm hat keine Klangdatei.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>Was der Alarm tut: both (Meldung und Klang, die Vorgabe), message oder sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>Die Alarme in der Reihenfolge der Liste ausgeben, einer je Zeile: Datum, Uhrzeit, Art, Meldung, &quot;missed&quot; oder nichts, und die Tage, an denen ein wiederholter Alarm klingelt (wie --repeat sie nimmt) oder nichts, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Mit --list: nur die heutigen Alarme.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Das Fenster des laufenden Programms nach vorn holen oder das Programm starten.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Minimiert starten (auch -iconic geschrieben): in den Infobereich, wenn &quot;Minimize to System Tray&quot; angehakt ist.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>Klaxora! führt eine Liste von Alarmen und lässt sie klingeln. Ohne Optionen öffnet es sein Fenster.
Rückgabewerte: 0 erledigt, 1 Fehler, 2 falsche Eingabe (nichts geändert), 3 die Zeit ist vorbei.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>sie darf kein &quot;^&quot; enthalten</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>sie darf keine Steuerzeichen enthalten (Tabulatoren, Zeilenumbrüche)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>sie hat %1 Zeichen, höchstens %2 sind erlaubt</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>die Meldung wird abgelehnt: %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>--at TIME ist nötig</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 ist keine Uhrzeit; schreiben Sie sie wie %2 oder als 24-Stunden-HH:MM</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 ist kein Datum; schreiben Sie es wie %2 oder als YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 ist keine Liste von Tagen; schreiben Sie daily, weekdays, weekends oder Tage wie mon-fri oder mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound und --no-sound schließen einander aus</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>der Pfad wird abgelehnt: %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 ist keins von both, message, sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>unerwartetes Argument (eine Meldung aus mehreren Wörtern braucht Anführungszeichen)</translation>
    </message>
    <message>
        <source>belongs to --add</source>
        <translation>gehört zu --add</translation>
    </message>
    <message>
        <source>belongs to --list</source>
        <translation>gehört zu --list</translation>
    </message>
    <message>
        <source>is for the window; it does not go with a command</source>
        <translation>ist für das Fenster; es passt nicht zu einem Befehl</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>Die Alarme einer iCalendar-Datei (.ics) hinzufügen: jeden Termin und jede Aufgabe mit einer Erinnerung, die noch bevorsteht oder vergangen und unbeantwortet ist. Einer, der schon in der Liste steht (dieselbe UID), wird übersprungen.</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Alle Alarme in eine iCalendar-Datei (.ics) schreiben, die --import wieder einliest.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>die Standardeingabe enthielt kein Passwort</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; ist weder eine http- oder https-Adresse noch &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>%1 würde unverschlüsselt erreicht; verwenden Sie https oder geben Sie --allow-unencrypted an</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>die Adresse enthält ein Passwort; geben Sie es mit --password-stdin über die Standardeingabe an</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>--user NAME ist erforderlich</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>--password-stdin ist erforderlich: das Passwort wird von der Standardeingabe gelesen, nie aus den Argumenten</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>gehört zu --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>gehört zu --calendar und --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>passt nicht zu --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>Die Alarme in beide Richtungen mit einem CalDAV-Kalender abgleichen: dessen eigene Adresse oder die eines Servers, auf dem der Kalender &quot;Klaxora! Alarms&quot; verwendet wird (angelegt, wenn er fehlt). Mit --user und --password-stdin. &quot;off&quot; schaltet den Abgleich aus; die Alarme bleiben.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Mit --calendar: der Benutzername auf dem Server.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Mit --calendar oder --sync: das Passwort als eine Zeile von der Standardeingabe lesen. --calendar bewahrt es im Schlüsselbund der Arbeitsumgebung auf.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Mit --calendar: unverschlüsseltes http zu diesem Server erlauben.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Jetzt mit dem Kalender abgleichen und ausgeben, was empfangen, entfernt, gesendet und als Konflikt doppelt behalten wurde.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>geben Sie eine der Optionen --add, --list, --import, --export, --calendar, --sync und --show an</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Kalenderpasswort: </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>Klaxora! konnte nicht aus %1 gestartet werden</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>Klaxora! lief nicht; es wurde gestartet.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>das laufende Klaxora! schickte eine Antwort, die nicht verstanden wird</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>Klaxora! läuft, antwortete aber nicht binnen %1 Sekunden; der Befehl wurde vielleicht ausgeführt, vielleicht nicht</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>ein anderes Klaxora! hält die Alarmdateien und antwortete nicht binnen %1 Sekunden</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Kein Datum angegeben: morgen, %1, da %2 heute vorbei ist.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Kein Datum angegeben: heute, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 ist schon vorbei; kein Alarm wurde gestellt.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>die Alarmdatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Wiederholt %1: zuerst am %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>die Alarmdatei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  ohne Erinnerung (VALARM): %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  schon in der Liste (dieselbe UID): %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  vergangen und beantwortet, erledigt oder beendet: %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  ohne Zeit zum Klingeln: %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  von der Alarmliste abgelehnt: %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>die Kalenderdatei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>die Kalenderdatei wird abgelehnt: %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Alarme hinzugefügt: %1. Termine übersprungen: %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>die Kalenderdatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Alarme exportiert: %1, nach %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>die Datei ist größer als 50 MB</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>die Datei enthält ein NUL-Zeichen, das kein iCalendar-Text hat</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>es ist kein iCalendar-Text (kein VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>es ist kein gültiges iCalendar: %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Das Passwort wird im Schlüsselbund der Arbeitsumgebung aufbewahrt.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>Klaxora! fragt bei jedem Start einmal danach; klaxora --sync braucht --password-stdin, wenn Klaxora! nicht läuft.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>der Abgleich mit %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Abgeglichen mit %1: empfangen %2, entfernt %3, gesendet %4, Konflikte %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>das Passwort des Kalenders wurde nicht angegeben</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>der Kalender unter %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>Calendar.dat konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>Die Alarme werden ab jetzt mit %1 abgeglichen.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>Der Kalenderabgleich ist bereits aus.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>Calendar.dat konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>Der Kalenderabgleich ist aus; die Alarme bleiben.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>der Kalenderabgleich ist aus; schalten Sie ihn mit klaxora --calendar URL --user NAME --password-stdin ein</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>für den Kalender ist kein Passwort gespeichert; geben Sie es mit klaxora --sync --password-stdin an</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1; geben Sie das Passwort mit klaxora --sync --password-stdin an</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>Calendar.dat konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>„%1“ ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>„%1“ ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>Der Server %1 hat eine Antwort gesendet, die kein WebDAV-Multistatus ist.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>Der Server %1 hat eine Antwort gesendet, die nicht gelesen werden kann: %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele geöffnete Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>PreferencesFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SoundMenuCommands</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Klaxora! is already running</source>
        <translation>Klaxora! läuft bereits</translation>
    </message>
</context>
<context>
    <name>klaxora::AboutWindow</name>
    <message>
        <source>for Windows</source>
        <translation>für Windows</translation>
    </message>
    <message>
        <source>Version 1.9a</source>
        <translation>Version 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32-Bit-Version für Windows 95</translation>
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
        <translation>Format wie:</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Ungültige Uhrzeit. Bitte das Zeitformat Ihres Systems verwenden
   Beispiel: </translation>
    </message>
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>Datum und Uhrzeit des Alarms sind schon vorbei.
Bitte eine spätere Zeit stellen oder im Kalender ein späteres Datum wählen.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Alarmbeschreibung</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Stellen</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Den Alarm wie angegeben speichern und stellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Weitere Alarmoptionen einstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Die Hilfe zu Klaxora! zeigen</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Jahr-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Das vorige Jahr zeigen</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Monat-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Den vorigen Monat zeigen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Das heutige Datum zeigen</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Monat +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Den nächsten Monat zeigen</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Jahr+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Das nächste Jahr zeigen</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Auf das Datum des Alarms klicken</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Die Meldung des Alarms hier eingeben</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Alarmmeldung hier eingeben]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Meldung</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;Z&lt;/u&gt;eit</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>Die Stunden der Alarmzeit erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Die Alarmzeit hier eingeben</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>Die Minuten der Alarmzeit erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Wiederholen am %1</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Tage</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEngine</name>
    <message numerus="yes">
        <source>%n alarms were missed</source>
        <translation>
            <numerusform>%n Alarm wurde verpasst</numerusform>
            <numerusform>%n Alarme wurden verpasst</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Verpasst: fällig um %1 am %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, verpasst</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, wiederholt</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, späteres Datum</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, heute</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Alarmoptionen</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Wenn dieser Alarm fällig wird, soll Klaxora!:</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>Meldung zeigen und Klang &amp;spielen</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>Zur Alarmzeit die Meldung zeigen 
und den Klang spielen</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Nur &amp;Meldung zeigen</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>Zur Alarmzeit nur die Meldung zeigen
(kein Klang)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>Nur Klang s&amp;pielen</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>Zur Alarmzeit nur den Klang 
spielen (keine Meldung)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Pfad und Namen der .WAV-Datei eingeben</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>&amp;WAV-Datei zum Abspielen:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>Wä&amp;hlen</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Die .WAV-Datei in einem
Datei-öffnen-Fenster wählen</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Anhören</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Die gewählte .WAV-Datei spielen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>Die Alarmoptionen speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Die Hilfe zu Klaxora! zeigen</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>Die Alarmdatei kann diesen Dateinamen nicht aufnehmen:
%1
Bitte eine Datei wählen, deren Pfad kein &quot;^&quot; und höchstens %2 Zeichen hat.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>Unter %1 wurden keine CalDAV-Kalender gefunden.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>Der Server %1 nennt für dieses Konto keinen Kalenderordner.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>Die Antwort von %1 ist größer als %2 MB und wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>Der Server %1 hat die Verbindung abgebrochen.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>Der Server %1 hat die Anfrage zu oft umgeleitet.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Der Server %1 hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>Der Server %1 hat einen Fehler gemeldet (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>Der Server %1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>Dem Zertifikat von %1 wird nicht vertraut (%2); der Server wird abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Der Server %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>Der Server %1 hat unerwartet mit Status %2 geantwortet.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>The alarms are not synced with a calendar.</source>
        <translation>Die Alarme werden mit keinem Kalender abgeglichen.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>Die Alarme werden mit dem Kalender %1 als %2 abgeglichen.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Geben Sie die Adresse des Kalenderservers ein.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>Die Kalender Ihres Kontos werden gesucht…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (empfohlen)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Wählen Sie den Kalender für den Abgleich, dann OK.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Kalender suchen, um einen anderen Kalender zu wählen, oder ein neues Passwort eingeben und OK, um diesen zu behalten.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Geben Sie die Adresse des Servers und Ihr Konto ein, dann Kalender suchen.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Ein Kalender nur für die Alarme von Klaxora!, auf dem Server angelegt, wenn Ihr Konto noch keinen hat.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Alle Erinnerungen von &quot;%1&quot; kommen als Alarme herein, und die hier gestellten Alarme gehen hinein.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Suchen Sie zuerst die Kalender und wählen Sie einen.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>Der Kalender &quot;%1&quot; wird gesucht…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>Der Server wird nach dem Kalender gefragt…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 ist nicht die Adresse eines Kalenders.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Das Passwort wird im Schlüsselbund der Arbeitsumgebung abgelegt…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>Das Passwort wird bis zum Beenden von Klaxora! behalten; beim nächsten Start fragt es erneut danach.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Das Passwort wird aus dem Schlüsselbund der Arbeitsumgebung entfernt…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>Der Abgleich ist aus.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Ausschalten</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Den Abgleich beenden; die Alarme bleiben hier und auf dem Server</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>Die Adresse Ihres CalDAV-Servers oder eines seiner Kalender</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Ihr Benutzername auf dem Server</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>Ihr Passwort auf dem Server, im Schlüsselbund der Arbeitsumgebung aufbewahrt</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>Unverschlüsselte Verbindung &amp;erlauben</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Nur für einen Server im eigenen Netz, der mit http:// erreicht wird: Passwort und Alarme sind dann für jeden auf dem Weg lesbar</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>Kalender &amp;suchen</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>Den Server nach den Kalendern Ihres Kontos fragen</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Kalender:</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>Die Alarme mit dem gewählten Kalender abgleichen</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>Den Kalenderabgleich lassen, wie er war</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>Das Passwort kann nicht aus dem Schlüsselbund der Arbeitsumgebung gelesen werden: %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>Das Passwort kann nicht im Schlüsselbund der Arbeitsumgebung aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>Das Passwort kann nicht aus dem Schlüsselbund der Arbeitsumgebung entfernt werden: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>Der Abgleich wurde beendet: der Kalender oder sein Passwort hat sich geändert.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>Das Kalenderpasswort ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>Die Alarmdatei konnte nicht gelesen werden; der Kalender wird nicht abgeglichen.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Konfliktkopie: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Klaxora!-Hilfe</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>Die Hilfedatei %1 gehört nicht zu diesem Programm.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>Thema nicht gefunden</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Die Hilfedatei %1 hat kein Thema mit der Nummer %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>Programm beenden (Alarme sind dann nicht mehr aktiv)?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - die Alarmdatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Alarm für heute</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Alarm für später</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Nur heute zeigen</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>Nur die heutigen Alarme zeigen</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>&amp;Neuer Alarm</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Einen neuen Alarm anlegen</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Den gewählten Alarm bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Den gewählten Alarm löschen</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Eine Kopie des 
gewählten Alarms anlegen</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Zeit +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>Die Zeit des gewählten Alarms 
vor- oder zurückstellen </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Ablegen</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Klaxora! minimieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;us</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Klaxora! beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Standard-Klangdatei wählen (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Die .wav-Datei wählen, die Alarme standardmäßig spielen</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Kein Alarmton</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Alle Alarmtöne ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>Der Infobereich ist die kleine Leiste unten rechts auf dem Desktop, in der die Uhrzeit steht</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>Die Hilfe zu Klaxora! zeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>Über Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>Alarme &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Alarme exportieren</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Alarme importieren</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Alarme importieren…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>Die Alarme einer iCalendar-Datei (.ics) hinzufügen, etwa aus einem Kalenderprogramm</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Alarme exportieren…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Alle Alarme in eine iCalendar-Datei (.ics) schreiben</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - der Kalender ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Passwort für %1 auf %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>Die Alarme jetzt mit dem Kalender abgleichen</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Ein Alarm wurde hier und im Kalender geändert. Beide werden behalten; der von hier ist als &quot;Konfliktkopie&quot; gekennzeichnet.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Kalender…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>Die Alarme mit einem Kalender auf einem CalDAV-Server abgleichen</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Diese Alarme wurden verpasst, während Klaxora! nicht lief:</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
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
        <translation>Erneut erinnern in:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>1 Minute zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>5 Minuten zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>10 Minuten zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>30 Minuten zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>60 Minuten zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>2 Stunden zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>4 Stunden zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>24 Stunden (einen ganzen Tag) zur Alarmzeit hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Diesen Alarm beenden</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Eine ganze Woche zur Alarmzeit hinzufügen</translation>
    </message>
</context>
</TS>
