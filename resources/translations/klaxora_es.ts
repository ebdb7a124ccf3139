<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>¿Borrar la alarma seleccionada?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>¿Borrar la alarma que se repite cada día?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>¿Borrar la alarma que se repite cada %1?</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 minuto</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 minutos</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 minutos</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 hora</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 día</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 semana</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 minuto</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 minutos</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 minutos</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 hora</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 día</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 semana</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>the character &quot;^&quot;</source>
        <translation>el carácter «^»</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>un retorno de carro (carácter 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>un salto de línea (carácter 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>el carácter de fin de archivo Ctrl-Z (carácter 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>El mensaje de la alarma no puede contener %1.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>La ruta del archivo de sonido no puede contener %1.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>El modo de la alarma debe ser 0, 1 o 2.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>No se pudo leer el archivo de alarmas, así que no se sobrescribe; los cambios se guardarán cuando se haya podido leer de nuevo</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>El identificador de la alarma no puede contener %1.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>«%1» no es la dirección de un servidor de calendarios (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>Se accedería a %1 sin cifrar (http://). Use https:// o permita conexiones sin cifrar para este servidor.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Vea klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Poner una alarma con este mensaje (100 caracteres como máximo, sin &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>La hora de la alarma, en su formato de hora o como HH:MM de 24 horas.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>La fecha de la alarma, en su formato de fecha o como YYYY-MM-DD; sin ella, hoy, o mañana si TIME ya pasó hoy. Con --repeat: el primer día en que puede sonar.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Sonar a TIME esos días cada semana, desde el primero que aún está por llegar: daily, weekdays (mon-fri), weekends, o días (mon tue wed thu fri sat sun) e intervalos en una lista con comas, como mon-fri, mon,wed,fri o fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>El archivo WAV que suena en la alarma; sin él, el sonido predeterminado.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>La alarma no tiene archivo de sonido.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>Lo que hace la alarma: both (mensaje y sonido, lo predeterminado), message o sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>Mostrar las alarmas en el orden de la lista, una por línea: fecha, hora, modo, mensaje, &quot;missed&quot; o nada, y los días en que suena una alarma repetida (como los toma --repeat) o nada, separados por tabuladores.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Con --list: solo las alarmas de hoy.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Traer al frente la ventana del programa en marcha, o iniciar el programa.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Iniciar minimizado (también escrito -iconic): en el área de notificación si &quot;Minimize to System Tray&quot; está marcado.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>Klaxora! lleva una lista de alarmas y las hace sonar. Sin opciones abre su ventana.
Códigos de salida: 0 hecho, 1 fallo, 2 entrada errónea (nada cambió), 3 la hora ya pasó.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>no puede contener &quot;^&quot;</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>no puede contener caracteres de control (tabuladores, saltos de línea)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>tiene %1 caracteres, se permiten %2 como máximo</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>el mensaje se rechaza: %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>falta --at TIME</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 no es una hora; escríbala como %2 o como HH:MM de 24 horas</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 no es una fecha; escríbala como %2 o como YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 no es una lista de días; escriba daily, weekdays, weekends o días como mon-fri o mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound y --no-sound se excluyen</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>la ruta se rechaza: %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 no es ninguno de both, message, sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>dada más de una vez</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>argumento inesperado (un mensaje de varias palabras necesita comillas)</translation>
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
        <translation>es para la ventana; no va con un comando</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>Añadir las alarmas de un archivo iCalendar (.ics): cada evento o tarea con un aviso aún por llegar, o pasado y sin responder. Se omite el que ya está en la lista (el mismo UID).</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Escribir todas las alarmas en un archivo iCalendar (.ics), que --import vuelve a leer.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>la entrada estándar no contenía ninguna contraseña</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; no es una dirección http o https, ni &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>se accedería a %1 sin cifrar; use https o indique --allow-unencrypted</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>la dirección contiene una contraseña; indíquela por la entrada estándar con --password-stdin</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>se requiere --user NAME</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>se requiere --password-stdin: la contraseña se lee de la entrada estándar, nunca de los argumentos</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>va con --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>va con --calendar y --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>no va con --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>Sincronizar las alarmas en ambos sentidos con un calendario CalDAV: su propia dirección, o la de un servidor, donde se usa el calendario &quot;Klaxora! Alarms&quot; (creado si falta). Con --user y --password-stdin. &quot;off&quot; desactiva la sincronización; las alarmas se quedan.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Con --calendar: el nombre de usuario en el servidor.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Con --calendar o --sync: leer la contraseña de la entrada estándar, una línea. --calendar la guarda en el llavero del escritorio.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Con --calendar: permitir http sin cifrar a este servidor.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Sincronizar ahora con el calendario e imprimir lo recibido, eliminado, enviado y guardado dos veces por conflicto.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>indique una de --add, --list, --import, --export, --calendar, --sync y --show</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Contraseña del calendario: </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>No se pudo iniciar Klaxora! desde %1</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>Klaxora! no estaba en marcha; se ha iniciado.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>el Klaxora! en marcha envió una respuesta que no se entiende</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>Klaxora! está en marcha pero no respondió en %1 segundos; puede que el comando se haya ejecutado o no</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>otro Klaxora! tiene los archivos de alarmas y no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Sin fecha: mañana, %1, porque %2 ya pasó hoy.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Sin fecha: hoy, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 ya pasó; no se añadió ninguna alarma.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>no se pudo escribir el archivo de alarmas: %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Se repite %1: primero el %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>no se pudo leer el archivo de alarmas: %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  sin aviso (VALARM): %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  ya en la lista (mismo UID): %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  pasados y respondidos, hechos o terminados: %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  sin hora a la que sonar: %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  rechazados por la lista de alarmas: %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>no se pudo leer el archivo de calendario: %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>se rechaza el archivo de calendario: %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Alarmas añadidas: %1. Eventos omitidos: %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>no se pudo escribir el archivo de calendario: %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Alarmas exportadas: %1, a %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>el archivo ocupa más de 50 MB</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>el archivo contiene un carácter NUL, que ningún texto iCalendar tiene</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>no es un texto iCalendar (sin VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>no es iCalendar válido: %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>La contraseña se guarda en el llavero del escritorio.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>Klaxora! la pide una vez en cada inicio; klaxora --sync ejecutado sin Klaxora! en marcha necesita --password-stdin.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>la sincronización con %1 falló: %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Sincronizado con %1: recibidas %2, eliminadas %3, enviadas %4, conflictos %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>no se indicó la contraseña del calendario</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>no se puede usar el calendario en %1: %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>no se pudo escribir Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>Desde ahora las alarmas se sincronizan con %1.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>La sincronización del calendario ya está desactivada.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>no se pudo eliminar Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>La sincronización del calendario está desactivada; las alarmas se quedan.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>la sincronización del calendario está desactivada; actívela con klaxora --calendar URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>no hay ninguna contraseña guardada para el calendario; indíquela con klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1; indique la contraseña con klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>no se pudo leer Calendar.dat: %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>«%1» no es una hora válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«%1» no es una fecha válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>El servidor %1 envió una respuesta que no es un multistatus de WebDAV.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>El servidor %1 envió una respuesta que no se puede leer: %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>PreferencesFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>SoundMenuCommands</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Klaxora! is already running</source>
        <translation>Klaxora! ya está en marcha</translation>
    </message>
</context>
<context>
    <name>klaxora::AboutWindow</name>
    <message>
        <source>for Windows</source>
        <translation>para Windows</translation>
    </message>
    <message>
        <source>Version 1.9a</source>
        <translation>Versión 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32 bits, Windows 95</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEditorDialog</name>
    <message>
        <source>Use format like:</source>
        <translation>Formato, p. ej.:</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Hora no válida. Use el formato de hora de su sistema
   Ejemplo: </translation>
    </message>
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>La fecha y la hora de la alarma ya pasaron.
Ponga una hora posterior o elija una fecha posterior en el calendario.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Descripción de la alarma</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Poner</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Guardar y poner la alarma como se indica</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Descartar todos los cambios</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Ajustar opciones avanzadas de la alarma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Mostrar la ayuda de Klaxora!</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Año-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Mostrar el año anterior</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Mes-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Mostrar el mes anterior</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Mostrar la fecha de hoy</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Mes +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Mostrar el mes siguiente</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Año+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Mostrar el año siguiente</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Haga clic en la fecha de la alarma</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Escriba aquí el mensaje de la alarma</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Escriba aquí el mensaje]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Mensaje</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;H&lt;/u&gt;ora</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>Aumentar o reducir las horas de la alarma</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Escriba aquí la hora de la alarma</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>Aumentar o reducir los minutos de la alarma</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Repetir el %1</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Repetir</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmEngine</name>
    <message numerus="yes">
        <source>%n alarms were missed</source>
        <translation>
            <numerusform>Se perdió %n alarma</numerusform>
            <numerusform>Se perdieron %n alarmas</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Perdida: debía sonar a las %1 del %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, perdida</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, repetida</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, fecha futura</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, hoy</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opciones de la alarma</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Cuando salte esta alarma, Klaxora! debe:</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>Mostrar mensaje y &amp;tocar sonido</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>A la hora de la alarma, mostrar el 
mensaje y tocar el sonido</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Solo mostrar &amp;mensaje</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>A la hora de la alarma, solo mostrar
el mensaje (sin sonido)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>Solo tocar &amp;sonido</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>A la hora de la alarma, solo tocar 
el sonido (sin mensaje)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Escriba la ruta y el nombre del archivo .WAV</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>Archivo &amp;WAV que tocar:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Elegir el archivo .WAV en una
ventana de abrir archivo</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Oír ya</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Tocar el archivo .WAV elegido</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>Guardar las opciones de la alarma</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Descartar todos los cambios</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Mostrar la ayuda de Klaxora!</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>El archivo de alarmas no puede guardar este nombre de archivo:
%1
Elija un archivo cuya ruta no tenga &quot;^&quot; y tenga como máximo %2 caracteres.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>No se encontraron calendarios CalDAV en %1.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>El servidor %1 no indica ninguna carpeta de calendarios para esta cuenta.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>La respuesta de %1 supera los %2 MB y se rechazó.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>El servidor %1 cortó la conexión.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>El servidor %1 redirigió la solicitud demasiadas veces.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>El servidor %1 rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>El servidor %1 informó de un error (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>El servidor %1 no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>El certificado de %1 no es de confianza (%2); se rechaza el servidor.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>No se pudo acceder al servidor %1: %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>El servidor %1 respondió con el estado %2, que no se esperaba.</translation>
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
        <translation>Las alarmas no se sincronizan con ningún calendario.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>Las alarmas se sincronizan con el calendario %1 como %2.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Escriba la dirección del servidor de calendario.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>Buscando los calendarios de su cuenta…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (recomendado)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Elija el calendario con el que sincronizar y pulse Aceptar.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Buscar calendarios para elegir otro calendario, o escriba una contraseña nueva y Aceptar para conservar este.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Escriba la dirección del servidor y su cuenta, y luego Buscar calendarios.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Un calendario solo para las alarmas de Klaxora!, creado en el servidor si su cuenta aún no tiene ninguno.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Todos los recordatorios de &quot;%1&quot; llegan como alarmas, y las alarmas puestas aquí van a él.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Busque primero los calendarios y elija uno.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>Buscando el calendario &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>Preguntando al servidor por el calendario…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 no es la dirección de ningún calendario.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Guardando la contraseña en el llavero del escritorio…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>La contraseña se conserva hasta que Klaxora! termine; en el próximo inicio la pedirá de nuevo.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Eliminando la contraseña del llavero del escritorio…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>La sincronización está desactivada.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Dejar de sincronizar; las alarmas se quedan aquí y en el servidor</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>La dirección de su servidor CalDAV o de uno de sus calendarios</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Dirección del servidor:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Su nombre de usuario en el servidor</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>Su contraseña en el servidor, guardada en el llavero del escritorio</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>&amp;Permitir una conexión sin cifrar</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Solo para un servidor de su propia red al que se llega con http://: la contraseña y las alarmas viajan entonces legibles para cualquiera en el camino</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Buscar calendarios</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>Pedir al servidor los calendarios de su cuenta</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendarios:</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>Sincronizar las alarmas con el calendario elegido</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>Dejar la sincronización del calendario como estaba</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>No se puede leer la contraseña del llavero del escritorio: %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>No se puede guardar la contraseña en el llavero del escritorio: %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>No se puede eliminar la contraseña del llavero del escritorio: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>Se detuvo la sincronización: cambió el calendario o su contraseña.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>No se conoce la contraseña del calendario.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>No se pudo leer el archivo de alarmas; el calendario no se sincroniza.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Copia en conflicto: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Índice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Ayuda de Klaxora!</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>No se encontró el archivo de ayuda</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>El archivo de ayuda %1 no forma parte de este programa.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>No se encontró el tema</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>El archivo de ayuda %1 no tiene el tema número %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>¿Salir del programa (las alarmas dejarán de estar activas)?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - no se pudo leer el archivo de alarmas</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Alarma para hoy</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Alarma para otro día</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Solo hoy</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>Mostrar solo las alarmas de hoy</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Añadir una alarma nueva</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Editar la alarma seleccionada</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Borrar la alarma seleccionada</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Hacer una copia de 
la alarma seleccionada</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Hora +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>Adelantar o atrasar la hora 
de la alarma seleccionada </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Minimizar Klaxora!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Salir de Klaxora!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Elegir el sonido predeterminado (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Elegir el archivo .wav que suena por defecto en las alarmas</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Sin sonido de alarma</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Activar o silenciar todos los sonidos de alarma</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimizar al área de notificación</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>El área de notificación es el pequeño panel del escritorio donde se muestra la hora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>Mostrar la ayuda de Klaxora!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>Acerca de Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>&amp;Mostrar alarmas</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Exportar alarmas</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Importar alarmas</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Importar alarmas…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>Añadir las alarmas de un archivo iCalendar (.ics), como las de un programa de calendario</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Exportar alarmas…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Escribir todas las alarmas en un archivo iCalendar (.ics)</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - no se puede acceder al calendario</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Contraseña de %1 en %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>Sincronizar ahora las alarmas con el calendario</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Se cambió una alarma aquí y en el calendario. Se conservan las dos; la de aquí está marcada como &quot;Copia en conflicto&quot;.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Calendario…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>Sincronizar las alarmas con un calendario de un servidor CalDAV</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Estas alarmas se perdieron mientras Klaxora! no estaba en marcha:</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Borrar todas</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
</context>
<context>
    <name>klaxora::NotificationDialog</name>
    <message>
        <source>Alarm Notification</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Remind me again in:</source>
        <translation>Recordar de nuevo en:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>Añadir 1 minuto a la hora de la alarma</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>Añadir 5 minutos a la hora de la alarma</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>Añadir 10 minutos a la hora de la alarma</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>Añadir 30 minutos a la hora de la alarma</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>Añadir 60 minutos a la hora de la alarma</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>Añadir 2 horas a la hora de la alarma</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 horas</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>Añadir 4 horas a la hora de la alarma</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>Añadir 24 horas (un día entero) a la hora de la alarma</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Terminar esta alarma</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semana</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Añadir una semana entera a la hora de la alarma</translation>
    </message>
</context>
</TS>
