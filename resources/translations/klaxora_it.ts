<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>Eliminare l&apos;allarme selezionato?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>Eliminare l&apos;allarme che si ripete ogni giorno?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>Eliminare l&apos;allarme che si ripete ogni %1?</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 minuto</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 minuti</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 minuti</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 ora</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 giorno</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 settimana</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 minuto</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 minuti</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 minuti</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 ora</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 giorno</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 settimana</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>the character &quot;^&quot;</source>
        <translation>il carattere &quot;^&quot;</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>un ritorno a capo (carattere 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>un avanzamento di riga (carattere 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>il carattere di fine file Ctrl-Z (carattere 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>Il messaggio dell’allarme non può contenere %1.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>Il percorso del file audio non può contenere %1.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>La modalità dell’allarme deve essere 0, 1 o 2.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>Non è stato possibile leggere il file degli allarmi, quindi non viene sovrascritto; le modifiche saranno salvate quando sarà stato riletto</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>L’identificativo dell’allarme non può contenere %1.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>&quot;%1&quot; non è l’indirizzo di un server di calendari (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>%1 verrebbe raggiunto senza cifratura (http://). Usa https:// oppure consenti le connessioni non cifrate per questo server.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Vedi klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Imposta un allarme con questo messaggio (al massimo 100 caratteri, niente &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>L&apos;ora dell&apos;allarme, nel tuo formato dell&apos;ora o come HH:MM a 24 ore.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>La data dell&apos;allarme, nel tuo formato di data o come YYYY-MM-DD; se manca, oggi, o domani se TIME è già passata oggi. Con --repeat: il primo giorno in cui può suonare.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Suona alle TIME in questi giorni ogni settimana, dal primo ancora a venire: daily, weekdays (mon-fri), weekends, o giorni (mon tue wed thu fri sat sun) e intervalli in un elenco con virgole, come mon-fri, mon,wed,fri o fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>Il file WAV suonato dall&apos;allarme; se manca, il suono predefinito.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>L&apos;allarme non ha file audio.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>Cosa fa l&apos;allarme: both (messaggio e suono, il predefinito), message o sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>Stampa gli allarmi nell&apos;ordine dell&apos;elenco, uno per riga: data, ora, modo, messaggio, &quot;missed&quot; o niente, e i giorni in cui suona un allarme ripetuto (come li prende --repeat) o niente, separati da tabulazioni.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Con --list: solo gli allarmi di oggi.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Porta in primo piano la finestra del programma in esecuzione, o avvia il programma.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Avvia ridotto (scritto anche -iconic): nell&apos;area di notifica se &quot;Minimize to System Tray&quot; è spuntato.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>Klaxora! tiene un elenco di allarmi e li fa suonare. Senza opzioni apre la sua finestra.
Codici di uscita: 0 fatto, 1 errore, 2 input errato (nulla cambiato), 3 l&apos;ora è passata.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>non può contenere &quot;^&quot;</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>non può contenere caratteri di controllo (tabulazioni, a capo)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>ha %1 caratteri, ne sono ammessi al massimo %2</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>il messaggio è rifiutato: %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>serve --at TIME</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 non è un&apos;ora; scrivila come %2 o come HH:MM a 24 ore</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 non è una data; scrivila come %2 o come YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 non è un elenco di giorni; scrivi daily, weekdays, weekends o giorni come mon-fri o mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound e --no-sound si escludono</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 non è un file</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>il percorso è rifiutato: %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 non è né both, né message, né sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>data più di una volta</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>argomento inatteso (un messaggio di più parole vuole le virgolette)</translation>
    </message>
    <message>
        <source>belongs to --add</source>
        <translation>va con --add</translation>
    </message>
    <message>
        <source>belongs to --list</source>
        <translation>va con --list</translation>
    </message>
    <message>
        <source>is for the window; it does not go with a command</source>
        <translation>è per la finestra; non va con un comando</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>Aggiungere gli allarmi di un file iCalendar (.ics): ogni evento o attività con un promemoria ancora da venire, o passato senza risposta. Quello già nell&apos;elenco (stesso UID) viene saltato.</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Scrivere tutti gli allarmi in un file iCalendar (.ics), che --import rilegge.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>il nome del file è vuoto</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>lo standard input non conteneva alcuna password</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; non è un indirizzo http o https, né &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>%1 verrebbe raggiunto senza cifratura; usare https o indicare --allow-unencrypted</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>l&apos;indirizzo contiene una password; fornirla dallo standard input con --password-stdin</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>--user NAME è obbligatorio</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>il nome è vuoto</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>--password-stdin è obbligatorio: la password si legge dallo standard input, mai dagli argomenti</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>va con --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>va con --calendar e --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>non va con --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>Sincronizzare gli allarmi in entrambe le direzioni con un calendario CalDAV: il suo indirizzo, o quello di un server, dove si usa il calendario &quot;Klaxora! Alarms&quot; (creato se manca). Con --user e --password-stdin. &quot;off&quot; disattiva la sincronizzazione; gli allarmi restano.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Con --calendar: il nome utente sul server.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Con --calendar o --sync: leggere la password dallo standard input, una riga. --calendar la conserva nel portachiavi del desktop.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Con --calendar: consentire http non cifrato verso questo server.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Sincronizzare ora con il calendario e stampare ciò che è stato ricevuto, rimosso, inviato e tenuto due volte per conflitto.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>indicare una tra --add, --list, --import, --export, --calendar, --sync e --show</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Password del calendario: </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>Impossibile avviare Klaxora! da %1</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>Klaxora! non era in esecuzione; è stato avviato.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>il Klaxora! in esecuzione ha mandato una risposta incomprensibile</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>Klaxora! è in esecuzione ma non ha risposto entro %1 secondi; il comando forse è stato eseguito, forse no</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>un altro Klaxora! tiene i file degli allarmi e non ha risposto entro %1 secondi</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Nessuna data: domani, %1, perché %2 è già passata oggi.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Nessuna data: oggi, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 è già passato; nessun allarme aggiunto.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>impossibile scrivere il file degli allarmi: %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Si ripete %1: la prima volta %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>impossibile leggere il file degli allarmi: %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  senza promemoria (VALARM): %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  già nell&apos;elenco (stesso UID): %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  passati e con risposta, completati o terminati: %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  senza un&apos;ora in cui suonare: %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  rifiutati dall&apos;elenco degli allarmi: %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>non è stato possibile leggere il file del calendario: %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>il file del calendario è rifiutato: %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Allarmi aggiunti: %1. Eventi saltati: %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>non è stato possibile scrivere il file del calendario: %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Allarmi esportati: %1, in %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>il file è più grande di 50 MB</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>il file contiene un carattere NUL, che nessun testo iCalendar ha</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>non è un testo iCalendar (nessun VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>non è un iCalendar valido: %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>La password è conservata nel portachiavi del desktop.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>Klaxora! la chiede una volta a ogni avvio; klaxora --sync eseguito mentre Klaxora! non è in funzione richiede --password-stdin.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>la sincronizzazione con %1 non è riuscita: %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Sincronizzato con %1: ricevuti %2, rimossi %3, inviati %4, conflitti %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>la password del calendario non è stata fornita</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>il calendario in %1 non può essere usato: %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>impossibile scrivere Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>D&apos;ora in poi gli allarmi sono sincronizzati con %1.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>La sincronizzazione del calendario è già disattivata.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>impossibile rimuovere Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>La sincronizzazione del calendario è disattivata; gli allarmi restano.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>la sincronizzazione del calendario è disattivata; attivarla con klaxora --calendar URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>nessuna password è conservata per il calendario; fornirla con klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1; fornire la password con klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>impossibile leggere Calendar.dat: %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>«%1» non è un orario valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«%1» non è una data valida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>Il server %1 ha inviato una risposta che non è un multistatus WebDAV.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>Il server %1 ha inviato una risposta che non si può leggere: %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome file non valido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accesso al file negato</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Errore di I/O %1</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
</context>
<context>
    <name>PreferencesFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
</context>
<context>
    <name>SoundMenuCommands</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Klaxora! is already running</source>
        <translation>Klaxora! è già in esecuzione</translation>
    </message>
</context>
<context>
    <name>klaxora::AboutWindow</name>
    <message>
        <source>for Windows</source>
        <translation>per Windows</translation>
    </message>
    <message>
        <source>Version 1.9a</source>
        <translation>Versione 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32 bit per Windows 95</translation>
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
        <translation>Formato, ad es.:</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Ora non valida. Usare il formato dell&apos;ora del sistema
   Esempio: </translation>
    </message>
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>La data e l&apos;ora dell&apos;allarme sono già passate.
Imposta un&apos;ora più tarda o scegli una data più tarda nel calendario.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Descrizione dell&apos;allarme</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Imposta</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Salva e imposta l&apos;allarme come indicato</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annulla tutte le modifiche</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Imposta le opzioni avanzate dell&apos;allarme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Mostra la guida di Klaxora!</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Anno-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Mostra l&apos;anno precedente</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Mese-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Mostra il mese precedente</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Mostra la data di oggi</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Mese +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Mostra il mese successivo</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Anno+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Mostra l&apos;anno successivo</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Fai clic sulla data dell&apos;allarme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Scrivi qui il messaggio dell&apos;allarme</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Scrivi qui il messaggio]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Messaggio</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;O&lt;/u&gt;ra</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>Aumenta o diminuisci le ore dell&apos;allarme</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Inserisci qui l&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>Aumenta o diminuisci i minuti dell&apos;allarme</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Ripeti di %1</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Ripeti</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEngine</name>
    <message numerus="yes">
        <source>%n alarms were missed</source>
        <translation>
            <numerusform>%n allarme perso</numerusform>
            <numerusform>%n allarmi persi</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Perso: previsto alle %1 di %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, perso</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, ripetuto</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, data futura</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, oggi</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opzioni dell&apos;allarme</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Quando scatta questo allarme, Klaxora! deve:</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>Mostrare il messaggio e &amp;suonare</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>All&apos;ora dell&apos;allarme, mostrare il 
messaggio e suonare il suono</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Solo mostrare il &amp;messaggio</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>All&apos;ora dell&apos;allarme, solo mostrare
il messaggio (senza suono)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>Solo &amp;suonare</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>All&apos;ora dell&apos;allarme, solo suonare 
il suono (senza messaggio)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Scrivi percorso e nome del file .WAV</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>File &amp;WAV da suonare:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Scegli</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Scegli il file .WAV da una
finestra di apertura file</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>Ascolta ora</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Suona il file .WAV scelto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>Salva le opzioni dell&apos;allarme</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annulla tutte le modifiche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Mostra la guida di Klaxora!</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>Il file degli allarmi non può contenere questo nome di file:
%1
Scegli un file il cui percorso non abbia &quot;^&quot; e al massimo %2 caratteri.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>Nessun calendario CalDAV trovato in %1.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>Il server %1 non indica alcuna cartella di calendari per questo account.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>La risposta di %1 supera i %2 MB ed è stata rifiutata.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>Il server %1 ha interrotto la connessione.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>Il server %1 ha reindirizzato la richiesta troppe volte.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Il server %1 ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>Il server %1 ha segnalato un errore (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>Il server %1 non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>Il certificato di %1 non è attendibile (%2); il server viene rifiutato.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Il server %1 non è raggiungibile: %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>Il server %1 ha risposto con lo stato %2, che non era previsto.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>The alarms are not synced with a calendar.</source>
        <translation>Gli allarmi non sono sincronizzati con alcun calendario.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>Gli allarmi sono sincronizzati con il calendario %1 come %2.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Inserire l&apos;indirizzo del server del calendario.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>Ricerca dei calendari del tuo account…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (consigliato)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Scegliere il calendario da sincronizzare, poi OK.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Trova calendari per sceglierne un altro, oppure inserire una nuova password e OK per tenere questo.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Inserire l&apos;indirizzo del server e il proprio account, poi Trova calendari.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Un calendario solo per gli allarmi di Klaxora!, creato sul server se il tuo account non ne ha ancora uno.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Tutti i promemoria di &quot;%1&quot; arrivano come allarmi, e gli allarmi impostati qui vi finiscono.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Prima trovare i calendari e sceglierne uno.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>Ricerca del calendario &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>Richiesta del calendario al server…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 non è l&apos;indirizzo di alcun calendario.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Salvataggio della password nel portachiavi del desktop…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>La password è conservata fino alla chiusura di Klaxora!; al prossimo avvio la chiede di nuovo.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Rimozione della password dal portachiavi del desktop…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>La sincronizzazione è disattivata.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Disattiva</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Smettere di sincronizzare; gli allarmi restano qui e sul server</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>L&apos;indirizzo del tuo server CalDAV o di uno dei suoi calendari</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Indirizzo del &amp;server:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Il tuo nome utente sul server</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>La tua password sul server, conservata nel portachiavi del desktop</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>&amp;Consenti una connessione non cifrata</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Solo per un server della propria rete raggiunto con http://: la password e gli allarmi viaggiano allora leggibili da chiunque lungo il percorso</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Trova calendari</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>Chiedere al server i calendari del tuo account</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendari:</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>Sincronizzare gli allarmi con il calendario scelto</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>Lasciare la sincronizzazione del calendario com&apos;era</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>Impossibile leggere la password dal portachiavi del desktop: %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>Impossibile conservare la password nel portachiavi del desktop: %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>Impossibile rimuovere la password dal portachiavi del desktop: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>La sincronizzazione è stata interrotta: il calendario o la sua password sono cambiati.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>La password del calendario non è nota.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>Impossibile leggere il file degli allarmi; il calendario non viene sincronizzato.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Copia in conflitto: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Guida di Klaxora!</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>File della guida non trovato</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>Il file della guida %1 non fa parte di questo programma.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>Argomento non trovato</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Il file della guida %1 non ha l&apos;argomento numero %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>Uscire dal programma (gli allarmi non saranno più attivi)?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - impossibile leggere il file degli allarmi</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Allarme di oggi</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Allarme futuro</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Solo oggi</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>Mostra solo gli allarmi di oggi</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Allarmi</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Aggiungi un nuovo allarme</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Modifica l&apos;allarme selezionato</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Elimina l&apos;allarme selezionato</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Crea una copia 
dell&apos;allarme selezionato</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Ora +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>Anticipa o posticipa l&apos;ora 
dell&apos;allarme selezionato </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Riduci Klaxora!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Esci da Klaxora!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Scegli il suono predefinito (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Scegli il file .wav suonato di norma dagli allarmi</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Nessun suono di allarme</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Attiva o disattiva tutti i suoni di allarme</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>L&apos;area di notifica è il piccolo pannello del desktop in cui è mostrata l&apos;ora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>Mostra la guida di Klaxora!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>Informazioni su Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>&amp;Mostra allarmi</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Esporta allarmi</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Importa allarmi</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Importa allarmi…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>Aggiungere gli allarmi di un file iCalendar (.ics), ad esempio da un programma di calendario</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Esporta allarmi…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Scrivere tutti gli allarmi in un file iCalendar (.ics)</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - il calendario non è raggiungibile</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Password di %1 su %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>Sincronizzare ora gli allarmi con il calendario</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Un allarme è stato modificato sia qui sia nel calendario. Sono tenuti entrambi; quello di qui è segnato &quot;Copia in conflitto&quot;.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Calendario…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>Sincronizzare gli allarmi con un calendario su un server CalDAV</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizza ora</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Questi allarmi sono stati persi mentre Klaxora! non era in esecuzione:</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Elimina tutti</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserva</translation>
    </message>
</context>
<context>
    <name>klaxora::NotificationDialog</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Remind me again in:</source>
        <translation>Ricordamelo tra:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>Aggiungi 1 minuto all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>Aggiungi 5 minuti all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>Aggiungi 10 minuti all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>Aggiungi 30 minuti all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>Aggiungi 60 minuti all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>Aggiungi 2 ore all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 ore</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>Aggiungi 4 ore all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 ore</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>Aggiungi 24 ore (un giorno intero) all&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Termina questo allarme</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 settimana</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Aggiungi una settimana intera all&apos;ora dell&apos;allarme</translation>
    </message>
</context>
</TS>
