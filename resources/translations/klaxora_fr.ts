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
