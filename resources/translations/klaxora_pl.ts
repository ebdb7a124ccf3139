<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>Usunąć zaznaczony alarm?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>Usunąć alarm powtarzany codziennie?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>Usunąć alarm powtarzany w dni: %1?</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 minuta</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 minut</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 minut</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 godzina</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 dzień</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 tydzień</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 minuta</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 minut</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 minut</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 godzina</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 dzień</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 tydzień</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>the character &quot;^&quot;</source>
        <translation>znaku „^”</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>znaku powrotu karetki (znak 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>znaku nowego wiersza (znak 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>znaku końca pliku Ctrl-Z (znak 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>Komunikat alarmu nie może zawierać %1.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>Ścieżka pliku dźwiękowego nie może zawierać %1.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>Tryb alarmu musi wynosić 0, 1 lub 2.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>Nie udało się odczytać pliku alarmów, więc nie zostanie nadpisany; zmiany zostaną zapisane, gdy znów uda się go odczytać</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>Identyfikator alarmu nie może zawierać %1.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>„%1” nie jest adresem serwera kalendarzy (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>Połączenie z %1 nie byłoby szyfrowane (http://). Użyj https:// albo zezwól na nieszyfrowane połączenia z tym serwerem.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Zobacz klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Ustaw alarm z tym komunikatem (najwyżej 100 znaków, bez &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>Godzina alarmu, we własnym formacie czasu lub jako 24-godzinne HH:MM.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>Data alarmu, we własnym formacie daty lub jako YYYY-MM-DD; bez niej: dziś, albo jutro, gdy TIME dziś już minęła. Z --repeat: pierwszy dzień, w którym może zadzwonić.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Dzwoń o TIME w te dni co tydzień, od pierwszego, który jeszcze nadejdzie: daily, weekdays (mon-fri), weekends, albo dni (mon tue wed thu fri sat sun) i zakresy na liście z przecinkami, np. mon-fri, mon,wed,fri lub fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>Plik WAV odtwarzany przez alarm; bez niego dźwięk domyślny.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>Alarm nie ma pliku dźwiękowego.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>Co robi alarm: both (komunikat i dźwięk, domyślnie), message albo sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>Wypisz alarmy w kolejności listy, jeden w wierszu: data, godzina, tryb, komunikat, &quot;missed&quot; albo nic, oraz dni, w które dzwoni powtarzany alarm (tak, jak przyjmuje je --repeat) albo nic, rozdzielone tabulatorami.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Z --list: tylko dzisiejsze alarmy.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Wysuń na wierzch okno działającego programu albo uruchom program.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Uruchom zminimalizowany (pisane też -iconic): do zasobnika systemowego, gdy zaznaczono &quot;Minimize to System Tray&quot;.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>Klaxora! prowadzi listę alarmów i je uruchamia. Bez opcji otwiera swoje okno.
Kody wyjścia: 0 zrobione, 1 błąd, 2 złe dane (nic nie zmieniono), 3 czas minął.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>nie może zawierać &quot;^&quot;</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>nie może zawierać znaków sterujących (tabulatorów, końców wiersza)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>ma %1 znaków, dozwolone jest najwyżej %2</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>komunikat odrzucono: %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>potrzebne jest --at TIME</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 to nie godzina; napisz ją jak %2 lub jako 24-godzinne HH:MM</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 to nie data; napisz ją jak %2 lub jako YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 to nie lista dni; napisz daily, weekdays, weekends albo dni jak mon-fri lub mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound i --no-sound wykluczają się</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 to nie plik</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>ścieżkę odrzucono: %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 to nie both, message ani sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>podano więcej niż raz</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>nieoczekiwany argument (komunikat z kilku słów wymaga cudzysłowu)</translation>
    </message>
    <message>
        <source>belongs to --add</source>
        <translation>należy do --add</translation>
    </message>
    <message>
        <source>belongs to --list</source>
        <translation>należy do --list</translation>
    </message>
    <message>
        <source>is for the window; it does not go with a command</source>
        <translation>dotyczy okna; nie pasuje do polecenia</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>Dodaj alarmy z pliku iCalendar (.ics): każde wydarzenie lub zadanie z przypomnieniem, które dopiero nastąpi albo minęło bez odpowiedzi. Alarm, który już jest na liście (ten sam UID), zostaje pominięty.</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Zapisz wszystkie alarmy w pliku iCalendar (.ics), który --import wczyta z powrotem.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>nazwa pliku jest pusta</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 jest folderem</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>standardowe wejście nie zawierało hasła</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; nie jest adresem http ani https, ani &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>połączenie z %1 byłoby nieszyfrowane; użyj https lub podaj --allow-unencrypted</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>adres zawiera hasło; podaj je na standardowym wejściu z --password-stdin</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>wymagane jest --user NAME</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>nazwa jest pusta</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>wymagane jest --password-stdin: hasło jest czytane ze standardowego wejścia, nigdy z argumentów</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>należy do --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>należy do --calendar i --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>nie pasuje do --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>Synchronizuj alarmy w obie strony z kalendarzem CalDAV: jego własny adres albo adres serwera, na którym używany jest kalendarz &quot;Klaxora! Alarms&quot; (tworzony, gdy go brak). Z --user i --password-stdin. &quot;off&quot; wyłącza synchronizację; alarmy zostają.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Z --calendar: nazwa użytkownika na serwerze.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Z --calendar lub --sync: czytaj hasło ze standardowego wejścia, jeden wiersz. --calendar przechowuje je w pęku kluczy pulpitu.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Z --calendar: zezwól na nieszyfrowane http do tego serwera.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Synchronizuj teraz z kalendarzem i wypisz, co odebrano, usunięto, wysłano i zachowano podwójnie jako konflikt.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>podaj jedną z opcji --add, --list, --import, --export, --calendar, --sync i --show</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Hasło kalendarza: </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>Nie można uruchomić Klaxora! z %1</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>Klaxora! nie działała; została uruchomiona.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>działająca Klaxora! wysłała niezrozumiałą odpowiedź</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>Klaxora! działa, ale nie odpowiedziała w ciągu %1 sekund; polecenie mogło zostać wykonane lub nie</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>inna Klaxora! trzyma pliki alarmów i nie odpowiedziała w ciągu %1 sekund</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Nie podano daty: jutro, %1, bo %2 dziś już minęła.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Nie podano daty: dziś, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 już minęło; nie dodano alarmu.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>nie można zapisać pliku alarmów: %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Powtarza się %1: pierwszy raz %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>nie można odczytać pliku alarmów: %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  bez przypomnienia (VALARM): %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  już na liście (ten sam UID): %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  minione i z odpowiedzią, wykonane lub zakończone: %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  bez czasu dzwonienia: %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  odrzucone przez listę alarmów: %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>nie udało się odczytać pliku kalendarza: %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>plik kalendarza został odrzucony: %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Dodane alarmy: %1. Pominięte wydarzenia: %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>nie udało się zapisać pliku kalendarza: %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Wyeksportowane alarmy: %1, do %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>plik jest większy niż 50 MB</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>plik zawiera znak NUL, którego nie ma żaden tekst iCalendar</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>to nie jest tekst iCalendar (brak VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>to nie jest poprawny iCalendar: %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Hasło jest przechowywane w pęku kluczy pulpitu.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>Klaxora! pyta o nie raz przy każdym uruchomieniu; klaxora --sync uruchomione, gdy Klaxora! nie działa, wymaga --password-stdin.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>synchronizacja z %1 nie powiodła się: %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Zsynchronizowano z %1: odebrano %2, usunięto %3, wysłano %4, konflikty %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>nie podano hasła kalendarza</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>nie można użyć kalendarza pod %1: %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>nie udało się zapisać Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>Od teraz alarmy są synchronizowane z %1.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>Synchronizacja kalendarza jest już wyłączona.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>nie udało się usunąć Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>Synchronizacja kalendarza jest wyłączona; alarmy zostają.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>synchronizacja kalendarza jest wyłączona; włącz ją przez klaxora --calendar URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>nie zapisano hasła do kalendarza; podaj je przez klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1; podaj hasło przez klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>nie udało się odczytać Calendar.dat: %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>„%1” nie jest prawidłową godziną</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>„%1” nie jest prawidłową datą</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>Serwer %1 wysłał odpowiedź, która nie jest multistatusem WebDAV.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>Serwer %1 wysłał odpowiedź, której nie można odczytać: %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nieprawidłowa nazwa pliku</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zbyt wiele otwartych plików</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Odmowa dostępu do pliku</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk pełny</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Błąd we/wy %1</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
</context>
<context>
    <name>PreferencesFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
</context>
<context>
    <name>SoundMenuCommands</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Klaxora! is already running</source>
        <translation>Klaxora! jest już uruchomiona</translation>
    </message>
</context>
<context>
    <name>klaxora::AboutWindow</name>
    <message>
        <source>for Windows</source>
        <translation>dla Windows</translation>
    </message>
    <message>
        <source>Version 1.9a</source>
        <translation>Wersja 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32 bity, Windows 95</translation>
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
        <translation>Format, np.:</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Nieprawidłowa godzina. Użyj formatu czasu swojego systemu
   Przykład: </translation>
    </message>
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>Data i godzina alarmu już minęły.
Ustaw późniejszą godzinę albo wybierz w kalendarzu późniejszą datę.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Opis alarmu</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Ustaw</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Zapisz i ustaw alarm tak, jak podano</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Porzuć wszystkie zmiany</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Ustaw zaawansowane opcje alarmu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Pokaż pomoc Klaxora!</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Rok-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Pokaż poprzedni rok</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Mies.-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Pokaż poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Pokaż dzisiejszą datę</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Mies. +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Pokaż następny miesiąc</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Rok+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Pokaż następny rok</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Kliknij datę alarmu</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Wpisz tutaj komunikat alarmu</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Wpisz tutaj komunikat]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Komunikat</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;G&lt;/u&gt;odzina</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>Zwiększ lub zmniejsz godziny alarmu</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Wpisz tutaj godzinę alarmu</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>Zwiększ lub zmniejsz minuty alarmu</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Powtarzaj w: %1</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Dni</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEngine</name>
    <message numerus="yes">
        <source>%n alarms were missed</source>
        <translation>
            <numerusform>Pominięto %n alarm</numerusform>
            <numerusform>Pominięto %n alarmy</numerusform>
            <numerusform>Pominięto %n alarmów</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Pominięty: miał zadzwonić o %1, %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, pominięty</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, powtarzany</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, późniejsza data</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, dzisiaj</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opcje alarmu</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Gdy alarm nadejdzie, Klaxora! ma:</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>Pokazać komunikat i &amp;grać dźwięk</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>O czasie alarmu pokazać 
komunikat i zagrać dźwięk</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Tylko pokazać &amp;komunikat</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>O czasie alarmu tylko pokazać
komunikat (bez dźwięku)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>Tylko &amp;grać dźwięk</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>O czasie alarmu tylko zagrać 
dźwięk (bez komunikatu)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Wpisz ścieżkę i nazwę pliku .WAV</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>Plik &amp;WAV do odtworzenia:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Wybierz</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Wybierz plik .WAV w oknie
otwierania pliku</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Odtwórz wybrany plik .WAV</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>Zapisz opcje alarmu</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Porzuć wszystkie zmiany</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Pokaż pomoc Klaxora!</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>Plik alarmów nie pomieści tej nazwy pliku:
%1
Wybierz plik, którego ścieżka nie ma &quot;^&quot; i ma najwyżej %2 znaków.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>Pod adresem %1 nie znaleziono kalendarzy CalDAV.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>Serwer %1 nie podaje folderu kalendarzy dla tego konta.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>Odpowiedź z %1 jest większa niż %2 MB i została odrzucona.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>Serwer %1 zerwał połączenie.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>Serwer %1 przekierował żądanie zbyt wiele razy.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Serwer %1 odrzucił nazwę użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>Serwer %1 zgłosił błąd (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>Serwer %1 nie odpowiedział na czas.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>Certyfikat %1 nie jest zaufany (%2); serwer został odrzucony.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Nie można połączyć się z serwerem %1: %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>Serwer %1 odpowiedział nieoczekiwanym statusem %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>The alarms are not synced with a calendar.</source>
        <translation>Alarmy nie są synchronizowane z żadnym kalendarzem.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>Alarmy są synchronizowane z kalendarzem %1 jako %2.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Wpisz adres serwera kalendarza.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>Wyszukiwanie kalendarzy twojego konta…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (zalecany)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Wybierz kalendarz do synchronizacji, potem OK.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Znajdź kalendarze, aby wybrać inny kalendarz, lub wpisz nowe hasło i OK, aby zachować ten.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Wpisz adres serwera i swoje konto, potem Znajdź kalendarze.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Kalendarz wyłącznie na alarmy Klaxora!, tworzony na serwerze, gdy twoje konto jeszcze go nie ma.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Wszystkie przypomnienia z &quot;%1&quot; przychodzą jako alarmy, a alarmy ustawione tutaj trafiają do niego.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Najpierw znajdź kalendarze i wybierz jeden.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>Wyszukiwanie kalendarza &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>Pytanie serwera o kalendarz…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 nie jest adresem żadnego kalendarza.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Zapisywanie hasła w pęku kluczy pulpitu…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>Hasło jest przechowywane do zamknięcia Klaxora!; przy następnym uruchomieniu program zapyta o nie ponownie.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Usuwanie hasła z pęku kluczy pulpitu…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>Synchronizacja jest wyłączona.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Wyłącz</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Zakończ synchronizację; alarmy zostają tutaj i na serwerze</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>Adres twojego serwera CalDAV lub jednego z jego kalendarzy</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Adres &amp;serwera:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Twoja nazwa użytkownika na serwerze</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>Twoje hasło na serwerze, przechowywane w pęku kluczy pulpitu</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>&amp;Zezwól na połączenie nieszyfrowane</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Tylko dla serwera we własnej sieci osiąganego przez http://: hasło i alarmy podróżują wtedy czytelne dla każdego po drodze</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Znajdź kalendarze</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>Zapytaj serwer o kalendarze twojego konta</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Kalendarze:</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendarze</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>Synchronizuj alarmy z wybranym kalendarzem</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>Pozostaw synchronizację kalendarza bez zmian</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>Nie można odczytać hasła z pęku kluczy pulpitu: %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>Nie można przechować hasła w pęku kluczy pulpitu: %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>Nie można usunąć hasła z pęku kluczy pulpitu: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>Synchronizację przerwano: zmienił się kalendarz lub jego hasło.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>Hasło kalendarza nie jest znane.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>Nie udało się odczytać pliku alarmów; kalendarz nie jest synchronizowany.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Kopia konfliktu: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Pomoc Klaxora!</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Nie znaleziono pliku pomocy</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>Plik pomocy %1 nie należy do tego programu.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>Nie znaleziono tematu</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Plik pomocy %1 nie ma tematu numer %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>Zakończyć program (alarmy przestaną działać)?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - nie można odczytać pliku alarmów</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Alarm na dzisiaj</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Alarm na później</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Tylko dzisiaj</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>Pokaż tylko dzisiejsze alarmy</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Bieżąca godzina</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>&amp;Dodaj alarm</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Dodaj nowy alarm</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Edytuj zaznaczony alarm</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Usuń zaznaczony alarm</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Utwórz kopię 
zaznaczonego alarmu</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Czas +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>Przesuń godzinę zaznaczonego 
alarmu do przodu lub do tyłu </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Zwiń</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Zminimalizuj Klaxora!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Zakończ Klaxora!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Wybierz domyślny dźwięk (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Wybierz plik .wav odtwarzany domyślnie przez alarmy</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Bez dźwięku alarmu</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Włącz lub wyłącz wszystkie dźwięki alarmów</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimalizuj do zasobnika systemowego</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>Zasobnik systemowy to mały panel pulpitu, na którym widać godzinę</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>Pokaż pomoc Klaxora!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>O programie Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>&amp;Pokaż alarmy</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Pliki iCalendar (*.ics);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Eksportuj alarmy</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Importuj alarmy</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Importuj alarmy…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>Dodaj alarmy z pliku iCalendar (.ics), np. z programu kalendarza</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Eksportuj alarmy…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Zapisz wszystkie alarmy w pliku iCalendar (.ics)</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - kalendarz jest nieosiągalny</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Hasło dla %1 na %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>Synchronizuj teraz alarmy z kalendarzem</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Alarm zmieniono zarówno tutaj, jak i w kalendarzu. Oba zostają; ten stąd jest oznaczony jako &quot;Kopia konfliktu&quot;.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Kalendarz…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>Synchronizuj alarmy z kalendarzem na serwerze CalDAV</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizuj teraz</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Te alarmy zostały pominięte, gdy Klaxora! nie działała:</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Usuń wszystkie</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Zachowaj</translation>
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
        <translation>Przypomnij ponownie za:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>Dodaj 1 minutę do godziny alarmu</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>Dodaj 5 minut do godziny alarmu</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minut</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>Dodaj 10 minut do godziny alarmu</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>Dodaj 30 minut do godziny alarmu</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>Dodaj 60 minut do godziny alarmu</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>Dodaj 2 godziny do godziny alarmu</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 godziny</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>Dodaj 4 godziny do godziny alarmu</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 godziny</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>Dodaj 24 godziny (cały dzień) do godziny alarmu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Zakończ ten alarm</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 tydzień</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Dodaj cały tydzień do godziny alarmu</translation>
    </message>
</context>
</TS>
