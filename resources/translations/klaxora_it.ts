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
