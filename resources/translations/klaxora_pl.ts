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
        <source>give one of --add, --list, --import, --export and --show</source>
        <translation>podaj jedną z opcji --add, --list, --import, --export i --show</translation>
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
