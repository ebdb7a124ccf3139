<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>Supprimer l&apos;alarme sélectionnée ?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>Supprimer l&apos;alarme qui se répète chaque jour ?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>Supprimer l&apos;alarme qui se répète chaque %1 ?</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 minute</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 minutes</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 minutes</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 heure</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 jour</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 semaine</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 minute</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 minutes</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 minutes</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 heure</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 jour</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 semaine</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>the character &quot;^&quot;</source>
        <translation>le caractère « ^ »</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>un retour chariot (caractère 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>un saut de ligne (caractère 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>le caractère de fin de fichier Ctrl-Z (caractère 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>Le message de l’alarme ne peut pas contenir %1.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>Le chemin du fichier son ne peut pas contenir %1.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>Le mode de l’alarme doit être 0, 1 ou 2.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>Le fichier des alarmes n’a pas pu être lu, il n’est donc pas écrasé ; les modifications seront enregistrées dès qu’il aura pu être relu</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>L’identifiant de l’alarme ne peut pas contenir %1.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>« %1 » n’est pas l’adresse d’un serveur de calendriers (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>%1 serait joint sans chiffrement (http://). Utilisez https:// ou autorisez les connexions non chiffrées pour ce serveur.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Voir klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Régler une alarme avec ce message (100 caractères au plus, sans &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>L&apos;heure de l&apos;alarme, dans votre format d&apos;heure ou en HH:MM sur 24 heures.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>La date de l&apos;alarme, dans votre format de date ou en YYYY-MM-DD ; sans elle, aujourd&apos;hui, ou demain si TIME est passée aujourd&apos;hui. Avec --repeat : le premier jour où elle peut sonner.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Sonner à TIME ces jours-là chaque semaine, à partir du premier encore à venir : daily, weekdays (mon-fri), weekends, ou des jours (mon tue wed thu fri sat sun) et des plages dans une liste à virgules, comme mon-fri, mon,wed,fri ou fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>Le fichier WAV que joue l&apos;alarme ; sans lui, le son par défaut.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>L&apos;alarme n&apos;a pas de fichier son.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>Ce que fait l&apos;alarme : both (message et son, par défaut), message ou sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>Afficher les alarmes dans l&apos;ordre de la liste, une par ligne : date, heure, mode, message, &quot;missed&quot; ou rien, et les jours où sonne une alarme répétée (comme --repeat les prend) ou rien, séparés par des tabulations.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Avec --list : seulement les alarmes du jour.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Mettre au premier plan la fenêtre du programme lancé, ou lancer le programme.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Démarrer réduit (aussi écrit -iconic) : dans la zone de notification si &quot;Minimize to System Tray&quot; est coché.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>Klaxora! tient une liste d&apos;alarmes et les fait sonner. Sans option il ouvre sa fenêtre.
Codes de sortie : 0 fait, 1 échec, 2 saisie incorrecte (rien de changé), 3 l&apos;heure est passée.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>il ne peut pas contenir &quot;^&quot;</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>il ne peut pas contenir de caractères de contrôle (tabulations, sauts de ligne)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>il a %1 caractères, %2 au plus sont permis</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>le message est refusé : %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>--at TIME est requis</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 n&apos;est pas une heure ; écrivez-la comme %2 ou en HH:MM sur 24 heures</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 n&apos;est pas une date ; écrivez-la comme %2 ou en YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 n&apos;est pas une liste de jours ; écrivez daily, weekdays, weekends ou des jours comme mon-fri ou mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound et --no-sound s&apos;excluent</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>le chemin est refusé : %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 n&apos;est ni both, ni message, ni sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>donnée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>argument inattendu (un message de plusieurs mots demande des guillemets)</translation>
    </message>
    <message>
        <source>belongs to --add</source>
        <translation>va avec --add</translation>
    </message>
    <message>
        <source>belongs to --list</source>
        <translation>va avec --list</translation>
    </message>
    <message>
        <source>is for the window; it does not go with a command</source>
        <translation>est pour la fenêtre ; elle ne va pas avec une commande</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>Ajouter les alarmes d&apos;un fichier iCalendar (.ics) : chaque événement ou tâche avec un rappel encore à venir, ou passé sans réponse. Celui qui est déjà dans la liste (même UID) est ignoré.</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Écrire toutes les alarmes dans un fichier iCalendar (.ics), que --import relit.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>l&apos;entrée standard ne contenait aucun mot de passe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; n&apos;est ni une adresse http ou https, ni &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>%1 serait joint sans chiffrement ; utilisez https ou indiquez --allow-unencrypted</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>l&apos;adresse contient un mot de passe ; donnez-le sur l&apos;entrée standard avec --password-stdin</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>--user NAME est obligatoire</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>--password-stdin est obligatoire : le mot de passe est lu sur l&apos;entrée standard, jamais dans les arguments</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>va avec --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>va avec --calendar et --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>ne va pas avec --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>Synchroniser les alarmes dans les deux sens avec un calendrier CalDAV : son adresse propre, ou celle d&apos;un serveur, où le calendrier &quot;Klaxora! Alarms&quot; est utilisé (créé s&apos;il manque). Avec --user et --password-stdin. &quot;off&quot; arrête la synchronisation ; les alarmes restent.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Avec --calendar : le nom d&apos;utilisateur sur le serveur.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Avec --calendar ou --sync : lire le mot de passe sur l&apos;entrée standard, une ligne. --calendar le garde dans le trousseau du bureau.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Avec --calendar : autoriser le http non chiffré vers ce serveur.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Synchroniser maintenant avec le calendrier et afficher ce qui a été reçu, supprimé, envoyé et gardé en double pour conflit.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>indiquez une des options --add, --list, --import, --export, --calendar, --sync et --show</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Mot de passe du calendrier : </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>Klaxora! n&apos;a pas pu être lancé depuis %1</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>Klaxora! n&apos;était pas lancé ; il vient de l&apos;être.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>le Klaxora! lancé a envoyé une réponse incompréhensible</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>Klaxora! est lancé mais n&apos;a pas répondu en %1 secondes ; la commande a peut-être été exécutée, peut-être pas</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>un autre Klaxora! tient les fichiers d&apos;alarmes et n&apos;a pas répondu en %1 secondes</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Pas de date : demain, %1, car %2 est passée aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Pas de date : aujourd&apos;hui, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 est déjà passé ; aucune alarme n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>le fichier des alarmes n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Répétée %1 : d&apos;abord le %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>le fichier des alarmes n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  sans rappel (VALARM) : %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  déjà dans la liste (même UID) : %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  passés et répondus, faits ou terminés : %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  sans heure où sonner : %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  refusés par la liste des alarmes : %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>le fichier de calendrier n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>le fichier de calendrier est refusé : %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Alarmes ajoutées : %1. Événements ignorés : %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>le fichier de calendrier n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Alarmes exportées : %1, vers %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>le fichier dépasse 50 Mo</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>le fichier contient un caractère NUL, qu&apos;aucun texte iCalendar ne contient</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>ce n&apos;est pas un texte iCalendar (pas de VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>ce n&apos;est pas un iCalendar valide : %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Le mot de passe est gardé dans le trousseau du bureau.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>Klaxora! le demande une fois à chaque démarrage ; klaxora --sync lancé sans que Klaxora! tourne demande --password-stdin.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>la synchronisation avec %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Synchronisé avec %1 : reçues %2, supprimées %3, envoyées %4, conflits %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>le mot de passe du calendrier n&apos;a pas été donné</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>le calendrier à %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>Calendar.dat n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>Les alarmes sont désormais synchronisées avec %1.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>La synchronisation du calendrier est déjà arrêtée.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>Calendar.dat n&apos;a pas pu être supprimé : %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>La synchronisation du calendrier est arrêtée ; les alarmes restent.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>la synchronisation du calendrier est arrêtée ; activez-la avec klaxora --calendar URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>aucun mot de passe n&apos;est gardé pour le calendrier ; donnez-le avec klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1 ; donnez le mot de passe avec klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>Calendar.dat n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>« %1 » n’est pas une heure valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>« %1 » n’est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>Le serveur %1 a envoyé une réponse qui n’est pas un multistatus WebDAV.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>Le serveur %1 a envoyé une réponse illisible : %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d’E/S %1</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
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
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>SoundMenuCommands</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Klaxora! is already running</source>
        <translation>Klaxora! est déjà lancé</translation>
    </message>
</context>
<context>
    <name>klaxora::AboutWindow</name>
    <message>
        <source>for Windows</source>
        <translation>pour Windows</translation>
    </message>
    <message>
        <source>Version 1.9a</source>
        <translation>Version 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32 bits pour Windows 95</translation>
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
        <translation>Format, par ex. :</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Heure non valide. Utilisez le format d&apos;heure de votre système
   Exemple : </translation>
    </message>
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>La date et l&apos;heure de l&apos;alarme sont déjà passées.
Réglez une heure plus tardive, ou choisissez une date plus tardive dans le calendrier.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Description de l&apos;alarme</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Régler</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Enregistrer et régler l&apos;alarme comme indiqué</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Régler les options avancées de l&apos;alarme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Afficher l&apos;aide de Klaxora!</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Année-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Afficher l&apos;année précédente</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Mois-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Afficher le mois précédent</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Afficher la date d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Mois +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Afficher le mois suivant</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Année+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Afficher l&apos;année suivante</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Cliquez sur la date de l&apos;alarme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Tapez ici le message de l&apos;alarme</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Tapez ici le message de l&apos;alarme]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;H&lt;/u&gt;eure</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>Augmenter ou diminuer les heures de l&apos;alarme</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Entrez ici l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>Augmenter ou diminuer les minutes de l&apos;alarme</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Répéter le %1</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Ré&amp;péter</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEngine</name>
    <message numerus="yes">
        <source>%n alarms were missed</source>
        <translation>
            <numerusform>%n alarme manquée</numerusform>
            <numerusform>%n alarmes manquées</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Manquée : prévue à %1 le %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, manquée</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, répétée</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, date future</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Options de l&apos;alarme</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Quand cette alarme se déclenche, Klaxora! doit :</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>&amp;Afficher le message et jouer le son</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>À l&apos;heure de l&apos;alarme, afficher le 
message et jouer le son</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Afficher le &amp;message seul</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>À l&apos;heure de l&apos;alarme, afficher seulement
le message (sans son)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>&amp;Jouer le son seul</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>À l&apos;heure de l&apos;alarme, jouer seulement 
le son (sans message)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Tapez le chemin et le nom du fichier .WAV</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>&amp;Fichier WAV à jouer :</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Choisir le fichier .WAV dans une
fenêtre d&apos;ouverture de fichier</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Jouer le fichier .WAV choisi</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>Enregistrer les options de l&apos;alarme</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Afficher l&apos;aide de Klaxora!</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>Le fichier des alarmes ne peut pas contenir ce nom de fichier :
%1
Choisissez un fichier dont le chemin n&apos;a pas de &quot;^&quot; et au plus %2 caractères.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>Aucun calendrier CalDAV n’a été trouvé à l’adresse %1.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>Le serveur %1 n’indique aucun dossier de calendriers pour ce compte.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>La réponse de %1 dépasse %2 Mo et a été refusée.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>Le serveur %1 a interrompu la connexion.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>Le serveur %1 a redirigé la requête trop de fois.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Le serveur %1 a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>Le serveur %1 a signalé une erreur (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>Le serveur %1 n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>Le certificat de %1 n’est pas de confiance (%2) ; le serveur est refusé.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Le serveur %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>Le serveur %1 a répondu avec le statut %2, qui n’était pas attendu.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>The alarms are not synced with a calendar.</source>
        <translation>Les alarmes ne sont synchronisées avec aucun calendrier.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>Les alarmes sont synchronisées avec le calendrier %1 en tant que %2.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Saisissez l&apos;adresse du serveur de calendrier.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>Recherche des calendriers de votre compte…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (recommandé)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Choisissez le calendrier à synchroniser, puis OK.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Chercher les calendriers pour en choisir un autre, ou saisissez un nouveau mot de passe et OK pour garder celui-ci.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Saisissez l&apos;adresse du serveur et votre compte, puis Chercher les calendriers.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Un calendrier pour les seules alarmes de Klaxora!, créé sur le serveur si votre compte n&apos;en a pas encore.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Tous les rappels de &quot;%1&quot; arrivent comme alarmes, et les alarmes réglées ici y vont.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Cherchez d&apos;abord les calendriers et choisissez-en un.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>Recherche du calendrier &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>Interrogation du serveur sur le calendrier…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 n&apos;est l&apos;adresse d&apos;aucun calendrier.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Enregistrement du mot de passe dans le trousseau du bureau…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>Le mot de passe est gardé jusqu&apos;à la fin de Klaxora! ; au prochain démarrage, il le redemande.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Suppression du mot de passe du trousseau du bureau…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>La synchronisation est arrêtée.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Arrêter la synchronisation ; les alarmes restent ici et sur le serveur</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>L&apos;adresse de votre serveur CalDAV ou de l&apos;un de ses calendriers</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Adresse du &amp;serveur :</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Votre nom d&apos;utilisateur sur le serveur</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>Votre mot de passe sur le serveur, gardé dans le trousseau du bureau</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>&amp;Autoriser une connexion non chiffrée</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Seulement pour un serveur de votre propre réseau joint par http:// : le mot de passe et les alarmes voyagent alors lisibles par quiconque sur le chemin</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Chercher les calendriers</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>Demander au serveur les calendriers de votre compte</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendriers :</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>Synchroniser les alarmes avec le calendrier choisi</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>Laisser la synchronisation du calendrier telle quelle</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>Le mot de passe ne peut pas être lu dans le trousseau du bureau : %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>Le mot de passe ne peut pas être gardé dans le trousseau du bureau : %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>Le mot de passe ne peut pas être retiré du trousseau du bureau : %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>La synchronisation a été arrêtée : le calendrier ou son mot de passe a changé.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>Le mot de passe du calendrier n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>Le fichier des alarmes n&apos;a pas pu être lu ; le calendrier n&apos;est pas synchronisé.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Copie en conflit : %1</translation>
    </message>
</context>
<context>
    <name>klaxora::FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Aide de Klaxora!</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>Le fichier d&apos;aide %1 ne fait pas partie de ce programme.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>Rubrique introuvable</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas de rubrique numéro %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>Quitter le programme (les alarmes ne seront plus actives) ?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - le fichier des alarmes n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Alarme d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Alarme à venir</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Aujourd&apos;hui seul.</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>N&apos;afficher que les alarmes du jour</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Ajouter une nouvelle alarme</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Modifier l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Supprimer l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Faire une copie de 
l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Heure +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>Avancer ou reculer l&apos;heure 
de l&apos;alarme sélectionnée </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Réduire Klaxora!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>F&amp;in</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Quitter Klaxora!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Choisir le son par défaut (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Choisir le fichier .wav joué par défaut par les alarmes</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Pas de son d&apos;alarme</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Activer ou couper tous les sons d&apos;alarme</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>La zone de notification est le petit panneau du bureau où l&apos;heure est affichée</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>Afficher l&apos;aide de Klaxora!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>À propos de Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>&amp;Afficher les alarmes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Exporter les alarmes</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Importer des alarmes</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Importer des alarmes…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>Ajouter les alarmes d&apos;un fichier iCalendar (.ics), venu par exemple d&apos;un agenda</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Exporter les alarmes…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Écrire toutes les alarmes dans un fichier iCalendar (.ics)</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - le calendrier est injoignable</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Mot de passe de %1 sur %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>Synchroniser maintenant les alarmes avec le calendrier</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Une alarme a été modifiée ici et dans le calendrier. Les deux sont gardées ; celle d&apos;ici est marquée &quot;Copie en conflit&quot;.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Calendrier…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>Synchroniser les alarmes avec un calendrier sur un serveur CalDAV</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Ces alarmes ont été manquées pendant que Klaxora! n&apos;était pas lancé :</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
</context>
<context>
    <name>klaxora::NotificationDialog</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Remind me again in:</source>
        <translation>Me rappeler dans :</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>Ajouter 1 minute à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>Ajouter 5 minutes à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>Ajouter 10 minutes à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>Ajouter 30 minutes à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>Ajouter 60 minutes à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>Ajouter 2 heures à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>Ajouter 4 heures à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>Ajouter 24 heures (un jour entier) à l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Terminer cette alarme</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Ajouter une semaine entière à l&apos;heure de l&apos;alarme</translation>
    </message>
</context>
</TS>
