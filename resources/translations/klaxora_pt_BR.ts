<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlarmCommands</name>
    <message>
        <source>Delete currently highlighted Alarm?</source>
        <translation>Excluir o alarme selecionado?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every day?</source>
        <translation>Excluir o alarme que se repete todo dia?</translation>
    </message>
    <message>
        <source>Delete the alarm that repeats every %1?</source>
        <translation>Excluir o alarme que se repete em %1?</translation>
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
        <translation>+1 dia</translation>
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
        <translation>-1 dia</translation>
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
        <translation>o caractere &quot;^&quot;</translation>
    </message>
    <message>
        <source>a carriage return (character 13)</source>
        <translation>um retorno de carro (caractere 13)</translation>
    </message>
    <message>
        <source>a line feed (character 10)</source>
        <translation>uma quebra de linha (caractere 10)</translation>
    </message>
    <message>
        <source>the end-of-file character Ctrl-Z (character 26)</source>
        <translation>o caractere de fim de arquivo Ctrl-Z (caractere 26)</translation>
    </message>
    <message>
        <source>The alarm message cannot contain %1.</source>
        <translation>A mensagem do alarme não pode conter %1.</translation>
    </message>
    <message>
        <source>The sound file path cannot contain %1.</source>
        <translation>O caminho do arquivo de som não pode conter %1.</translation>
    </message>
    <message>
        <source>The alarm mode must be 0, 1 or 2.</source>
        <translation>O modo do alarme deve ser 0, 1 ou 2.</translation>
    </message>
    <message>
        <source>The alarm file could not be read, so it is not overwritten; changes are saved once it has been read again</source>
        <translation>Não foi possível ler o arquivo de alarmes, então ele não é sobrescrito; as alterações serão salvas quando ele puder ser lido de novo</translation>
    </message>
    <message>
        <source>The alarm identity cannot contain %1.</source>
        <translation>O identificador do alarme não pode conter %1.</translation>
    </message>
</context>
<context>
    <name>CalDavRequestPolicy</name>
    <message>
        <source>&quot;%1&quot; is not the address of a calendar server (https://...).</source>
        <translation>&quot;%1&quot; não é o endereço de um servidor de calendários (https://...).</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted (http://). Use https://, or allow unencrypted connections for this server.</source>
        <translation>%1 seria acessado sem criptografia (http://). Use https:// ou permita conexões sem criptografia para este servidor.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>See klaxora --help.</source>
        <translation>Veja klaxora --help.</translation>
    </message>
    <message>
        <source>Set an alarm with this message (at most 100 characters, no &quot;^&quot;).</source>
        <translation>Definir um alarme com esta mensagem (no máximo 100 caracteres, sem &quot;^&quot;).</translation>
    </message>
    <message>
        <source>The alarm&apos;s time, in your own time format or as 24-hour HH:MM.</source>
        <translation>A hora do alarme, no seu formato de hora ou como HH:MM de 24 horas.</translation>
    </message>
    <message>
        <source>The alarm&apos;s date, in your own date format or as YYYY-MM-DD; left out, today, or tomorrow once TIME has passed today. With --repeat: the first day it may ring.</source>
        <translation>A data do alarme, no seu formato de data ou como YYYY-MM-DD; sem ela, hoje, ou amanhã se TIME já passou hoje. Com --repeat: o primeiro dia em que pode tocar.</translation>
    </message>
    <message>
        <source>Ring at TIME on these days every week, from the first of them still to come: daily, weekdays (mon-fri), weekends, or days (mon tue wed thu fri sat sun) and ranges in a comma list, like mon-fri, mon,wed,fri or fri-mon.</source>
        <translation>Tocar às TIME nesses dias toda semana, a partir do primeiro que ainda vem: daily, weekdays (mon-fri), weekends, ou dias (mon tue wed thu fri sat sun) e intervalos numa lista com vírgulas, como mon-fri, mon,wed,fri ou fri-mon.</translation>
    </message>
    <message>
        <source>The WAV file the alarm plays; left out, the default sound.</source>
        <translation>O arquivo WAV que o alarme toca; sem ele, o som padrão.</translation>
    </message>
    <message>
        <source>The alarm has no sound file.</source>
        <translation>O alarme não tem arquivo de som.</translation>
    </message>
    <message>
        <source>What the alarm does: both (message and sound, the default), message or sound.</source>
        <translation>O que o alarme faz: both (mensagem e som, o padrão), message ou sound.</translation>
    </message>
    <message>
        <source>Print the alarms in the list&apos;s order, one a line: date, time, mode, message, &quot;missed&quot; or nothing, and the days a repeating alarm rings (as --repeat takes them) or nothing, separated by tabs.</source>
        <translation>Mostrar os alarmes na ordem da lista, um por linha: data, hora, modo, mensagem, &quot;missed&quot; ou nada, e os dias em que um alarme repetido toca (como --repeat os aceita) ou nada, separados por tabulações.</translation>
    </message>
    <message>
        <source>With --list: only today&apos;s alarms.</source>
        <translation>Com --list: só os alarmes de hoje.</translation>
    </message>
    <message>
        <source>Bring the running program&apos;s window forward, or start the program.</source>
        <translation>Trazer para a frente a janela do programa em execução, ou iniciar o programa.</translation>
    </message>
    <message>
        <source>Start minimised (also written -iconic): into the notification area when &quot;Minimize to System Tray&quot; is ticked.</source>
        <translation>Iniciar minimizado (também escrito -iconic): na área de notificação se &quot;Minimize to System Tray&quot; estiver marcado.</translation>
    </message>
    <message>
        <source>Klaxora! keeps a list of alarms and rings them. Without options it starts its window.
Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed.</source>
        <translation>O Klaxora! mantém uma lista de alarmes e os faz tocar. Sem opções, abre sua janela.
Códigos de saída: 0 feito, 1 falha, 2 entrada inválida (nada mudou), 3 a hora já passou.</translation>
    </message>
    <message>
        <source>it cannot contain &quot;^&quot;</source>
        <translation>não pode conter &quot;^&quot;</translation>
    </message>
    <message>
        <source>it cannot contain control characters (tabs, line breaks)</source>
        <translation>não pode conter caracteres de controle (tabulações, quebras de linha)</translation>
    </message>
    <message>
        <source>it has %1 characters, at most %2 are allowed</source>
        <translation>tem %1 caracteres, no máximo %2 são permitidos</translation>
    </message>
    <message>
        <source>the message is refused: %1</source>
        <translation>a mensagem foi recusada: %1</translation>
    </message>
    <message>
        <source>--at TIME is required</source>
        <translation>falta --at TIME</translation>
    </message>
    <message>
        <source>%1 is not a time; write it like %2 or as 24-hour HH:MM</source>
        <translation>%1 não é uma hora; escreva como %2 ou como HH:MM de 24 horas</translation>
    </message>
    <message>
        <source>%1 is not a date; write it like %2 or as YYYY-MM-DD</source>
        <translation>%1 não é uma data; escreva como %2 ou como YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not a list of days; write daily, weekdays, weekends or days like mon-fri or mon,wed,fri</source>
        <translation>%1 não é uma lista de dias; escreva daily, weekdays, weekends ou dias como mon-fri ou mon,wed,fri</translation>
    </message>
    <message>
        <source>--sound and --no-sound exclude each other</source>
        <translation>--sound e --no-sound se excluem</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 não é um arquivo</translation>
    </message>
    <message>
        <source>the path is refused: %1</source>
        <translation>o caminho foi recusado: %1</translation>
    </message>
    <message>
        <source>%1 is not one of both, message, sound</source>
        <translation>%1 não é both, message nem sound</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>dada mais de uma vez</translation>
    </message>
    <message>
        <source>unexpected argument (a message of several words needs quotes)</source>
        <translation>argumento inesperado (uma mensagem de várias palavras precisa de aspas)</translation>
    </message>
    <message>
        <source>belongs to --add</source>
        <translation>pertence a --add</translation>
    </message>
    <message>
        <source>belongs to --list</source>
        <translation>pertence a --list</translation>
    </message>
    <message>
        <source>is for the window; it does not go with a command</source>
        <translation>é para a janela; não combina com um comando</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file: every event or to-do with a reminder still to come, or passed and not answered. One already in the list (the same UID) is skipped.</source>
        <translation>Adicionar os alarmes de um arquivo iCalendar (.ics): cada evento ou tarefa com um lembrete ainda por vir, ou que passou sem resposta. Um que já está na lista (o mesmo UID) é ignorado.</translation>
    </message>
    <message>
        <source>Write every alarm into an iCalendar (.ics) file, which --import reads back.</source>
        <translation>Gravar todos os alarmes em um arquivo iCalendar (.ics), que --import lê de volta.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>o nome do arquivo está vazio</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>standard input held no password</source>
        <translation>a entrada padrão não continha senha</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an http or https address, nor &quot;off&quot;</source>
        <translation>&apos;%1&apos; não é um endereço http ou https, nem &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 would be reached unencrypted; use https, or give --allow-unencrypted</source>
        <translation>%1 seria acessado sem criptografia; use https ou informe --allow-unencrypted</translation>
    </message>
    <message>
        <source>the address holds a password; give it on standard input with --password-stdin</source>
        <translation>o endereço contém uma senha; informe-a pela entrada padrão com --password-stdin</translation>
    </message>
    <message>
        <source>--user NAME is required</source>
        <translation>--user NAME é obrigatório</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>o nome está vazio</translation>
    </message>
    <message>
        <source>--password-stdin is required: the password is read from standard input, never from the arguments</source>
        <translation>--password-stdin é obrigatório: a senha é lida da entrada padrão, nunca dos argumentos</translation>
    </message>
    <message>
        <source>belongs to --calendar</source>
        <translation>pertence a --calendar</translation>
    </message>
    <message>
        <source>belongs to --calendar and --sync</source>
        <translation>pertence a --calendar e --sync</translation>
    </message>
    <message>
        <source>does not go with --calendar off</source>
        <translation>não combina com --calendar off</translation>
    </message>
    <message>
        <source>Sync the alarms both ways with a CalDAV calendar: its own address, or a server&apos;s, where the calendar &quot;Klaxora! Alarms&quot; is used (made when missing). With --user and --password-stdin. &quot;off&quot; turns the sync off; the alarms stay.</source>
        <translation>Sincronizar os alarmes nos dois sentidos com um calendário CalDAV: o endereço dele, ou o de um servidor, onde se usa o calendário &quot;Klaxora! Alarms&quot; (criado se faltar). Com --user e --password-stdin. &quot;off&quot; desliga a sincronização; os alarmes ficam.</translation>
    </message>
    <message>
        <source>With --calendar: the user name on the server.</source>
        <translation>Com --calendar: o nome de usuário no servidor.</translation>
    </message>
    <message>
        <source>With --calendar or --sync: read the password from standard input, one line. --calendar keeps it in the desktop&apos;s keyring.</source>
        <translation>Com --calendar ou --sync: ler a senha da entrada padrão, uma linha. --calendar a guarda no chaveiro da área de trabalho.</translation>
    </message>
    <message>
        <source>With --calendar: allow plain http to this server.</source>
        <translation>Com --calendar: permitir http sem criptografia para este servidor.</translation>
    </message>
    <message>
        <source>Sync with the calendar now and print what was received, removed, sent and kept twice as a conflict.</source>
        <translation>Sincronizar agora com o calendário e mostrar o que foi recebido, removido, enviado e mantido em dobro por conflito.</translation>
    </message>
    <message>
        <source>give one of --add, --list, --import, --export, --calendar, --sync and --show</source>
        <translation>informe uma de --add, --list, --import, --export, --calendar, --sync e --show</translation>
    </message>
    <message>
        <source>Calendar password: </source>
        <translation>Senha do calendário: </translation>
    </message>
</context>
<context>
    <name>CommandReply</name>
    <message>
        <source>Klaxora! could not be started from %1</source>
        <translation>Não foi possível iniciar o Klaxora! a partir de %1</translation>
    </message>
    <message>
        <source>Klaxora! was not running; it has been started.</source>
        <translation>O Klaxora! não estava em execução; foi iniciado.</translation>
    </message>
    <message>
        <source>the running Klaxora! sent an answer that is not understood</source>
        <translation>o Klaxora! em execução enviou uma resposta que não se entende</translation>
    </message>
    <message>
        <source>Klaxora! is running but did not answer within %1 seconds; the command may or may not have been carried out</source>
        <translation>O Klaxora! está em execução mas não respondeu em %1 segundos; o comando talvez tenha sido executado, talvez não</translation>
    </message>
    <message>
        <source>another Klaxora! holds the alarm files and did not answer within %1 seconds</source>
        <translation>outro Klaxora! está com os arquivos de alarmes e não respondeu em %1 segundos</translation>
    </message>
    <message>
        <source>No date given: tomorrow, %1, since %2 has passed today.</source>
        <translation>Sem data: amanhã, %1, pois %2 já passou hoje.</translation>
    </message>
    <message>
        <source>No date given: today, %1.</source>
        <translation>Sem data: hoje, %1.</translation>
    </message>
    <message>
        <source>%1 %2 has already passed; no alarm was added.</source>
        <translation>%1 %2 já passou; nenhum alarme foi adicionado.</translation>
    </message>
    <message>
        <source>the alarm file could not be written: %1</source>
        <translation>não foi possível gravar o arquivo de alarmes: %1</translation>
    </message>
    <message>
        <source>Repeats %1: first on %2 %3.</source>
        <translation>Repete %1: primeiro em %2 %3.</translation>
    </message>
    <message>
        <source>the alarm file could not be read: %1</source>
        <translation>não foi possível ler o arquivo de alarmes: %1</translation>
    </message>
    <message>
        <source>  without a reminder (VALARM): %1</source>
        <translation>  sem lembrete (VALARM): %1</translation>
    </message>
    <message>
        <source>  already in the list (same UID): %1</source>
        <translation>  já na lista (mesmo UID): %1</translation>
    </message>
    <message>
        <source>  passed and answered, done or ended: %1</source>
        <translation>  passados e respondidos, concluídos ou encerrados: %1</translation>
    </message>
    <message>
        <source>  without a time to ring at: %1</source>
        <translation>  sem hora para tocar: %1</translation>
    </message>
    <message>
        <source>  refused by the alarm list: %1</source>
        <translation>  recusados pela lista de alarmes: %1</translation>
    </message>
    <message>
        <source>the calendar file could not be read: %1</source>
        <translation>não foi possível ler o arquivo de calendário: %1</translation>
    </message>
    <message>
        <source>the calendar file is refused: %1</source>
        <translation>o arquivo de calendário foi recusado: %1</translation>
    </message>
    <message>
        <source>Alarms added: %1. Events skipped: %2.</source>
        <translation>Alarmes adicionados: %1. Eventos ignorados: %2.</translation>
    </message>
    <message>
        <source>the calendar file could not be written: %1</source>
        <translation>não foi possível gravar o arquivo de calendário: %1</translation>
    </message>
    <message>
        <source>Alarms exported: %1, to %2.</source>
        <translation>Alarmes exportados: %1, para %2.</translation>
    </message>
    <message>
        <source>the file is larger than 50 MB</source>
        <translation>o arquivo é maior que 50 MB</translation>
    </message>
    <message>
        <source>the file holds a NUL character, which no iCalendar text has</source>
        <translation>o arquivo contém um caractere NUL, que nenhum texto iCalendar tem</translation>
    </message>
    <message>
        <source>it is not an iCalendar text (no VCALENDAR)</source>
        <translation>não é um texto iCalendar (sem VCALENDAR)</translation>
    </message>
    <message>
        <source>it is not valid iCalendar: %1</source>
        <translation>não é um iCalendar válido: %1</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>A senha fica guardada no chaveiro da área de trabalho.</translation>
    </message>
    <message>
        <source>Klaxora! asks for it once each time it starts; klaxora --sync run while Klaxora! is not running needs --password-stdin.</source>
        <translation>O Klaxora! pede a senha uma vez a cada início; klaxora --sync executado sem o Klaxora! em execução precisa de --password-stdin.</translation>
    </message>
    <message>
        <source>the sync with %1 failed: %2</source>
        <translation>a sincronização com %1 falhou: %2</translation>
    </message>
    <message>
        <source>Synced with %1: received %2, removed %3, sent %4, conflicts %5.</source>
        <translation>Sincronizado com %1: recebidos %2, removidos %3, enviados %4, conflitos %5.</translation>
    </message>
    <message>
        <source>the calendar&apos;s password was not given</source>
        <translation>a senha do calendário não foi informada</translation>
    </message>
    <message>
        <source>the calendar at %1 cannot be used: %2</source>
        <translation>o calendário em %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>Calendar.dat could not be written: %1</source>
        <translation>não foi possível gravar Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The alarms are synced with %1 from now on.</source>
        <translation>A partir de agora os alarmes são sincronizados com %1.</translation>
    </message>
    <message>
        <source>The calendar sync is off already.</source>
        <translation>A sincronização do calendário já está desligada.</translation>
    </message>
    <message>
        <source>Calendar.dat could not be removed: %1</source>
        <translation>não foi possível remover Calendar.dat: %1</translation>
    </message>
    <message>
        <source>The calendar sync is off; the alarms stay.</source>
        <translation>A sincronização do calendário está desligada; os alarmes ficam.</translation>
    </message>
    <message>
        <source>the calendar sync is off; turn it on with klaxora --calendar URL --user NAME --password-stdin</source>
        <translation>a sincronização do calendário está desligada; ligue-a com klaxora --calendar URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <source>no password for the calendar is stored; give it with klaxora --sync --password-stdin</source>
        <translation>nenhuma senha do calendário está guardada; informe-a com klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>%1; give the password with klaxora --sync --password-stdin</source>
        <translation>%1; informe a senha com klaxora --sync --password-stdin</translation>
    </message>
    <message>
        <source>Calendar.dat could not be read: %1</source>
        <translation>não foi possível ler Calendar.dat: %1</translation>
    </message>
</context>
<context>
    <name>DateTimeText</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&quot;%1&quot; não é um horário válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&quot;%1&quot; não é uma data válida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&quot;%1&quot; não é um número inteiro válido</translation>
    </message>
</context>
<context>
    <name>DavMultistatusReader</name>
    <message>
        <source>The server %1 sent an answer that is not a WebDAV multistatus.</source>
        <translation>O servidor %1 enviou uma resposta que não é um multistatus WebDAV.</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that cannot be read: %2</source>
        <translation>O servidor %1 enviou uma resposta que não pode ser lida: %2</translation>
    </message>
</context>
<context>
    <name>InOutError</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erro de E/S %1</translation>
    </message>
</context>
<context>
    <name>KlaxoraApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
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
        <translation>Informação</translation>
    </message>
</context>
<context>
    <name>PreferencesFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
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
        <translation>O Klaxora! já está em execução</translation>
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
        <translation>Versão 1.9a</translation>
    </message>
    <message>
        <source>32-bit version for Windows 95</source>
        <translation>32 bits, Windows 95</translation>
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
        <translation>Formato, p. ex.:</translation>
    </message>
    <message>
        <source>Invalid time. Please use your Windows Time format
   Example: </source>
        <translation>Hora inválida. Use o formato de hora do seu sistema
   Exemplo: </translation>
    </message>
    <message>
        <source>The alarm date and time have already passed.
Please set a later time, or pick a later date on the calendar.</source>
        <translation>A data e a hora do alarme já passaram.
Defina uma hora posterior ou escolha uma data posterior no calendário.</translation>
    </message>
    <message>
        <source>Alarm Description</source>
        <translation>Descrição do alarme</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Definir</translation>
    </message>
    <message>
        <source>Save and Set the alarm as specified</source>
        <translation>Salvar e definir o alarme como indicado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Descartar todas as alterações</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Set advanced alarm options</source>
        <translation>Definir opções avançadas do alarme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Mostrar a ajuda do Klaxora!</translation>
    </message>
    <message>
        <source>Year-</source>
        <translation>Ano-</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Mostrar o ano anterior</translation>
    </message>
    <message>
        <source>Month-</source>
        <translation>Mês-</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Mostrar o mês anterior</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Mostrar a data de hoje</translation>
    </message>
    <message>
        <source>Month +</source>
        <translation>Mês +</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Mostrar o mês seguinte</translation>
    </message>
    <message>
        <source>Year+</source>
        <translation>Ano+</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Mostrar o ano seguinte</translation>
    </message>
    <message>
        <source>Click on the alarm date</source>
        <translation>Clique na data do alarme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type your alarm message here</source>
        <translation>Digite aqui a mensagem do alarme</translation>
    </message>
    <message>
        <source>[Type alarm message here]</source>
        <translation>[Digite aqui a mensagem]</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Mensagem</translation>
    </message>
    <message>
        <source>&lt;u&gt;T&lt;/u&gt;ime</source>
        <translation>&lt;u&gt;H&lt;/u&gt;ora</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time hours</source>
        <translation>Aumentar ou diminuir as horas do alarme</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Enter the alarm time here</source>
        <translation>Digite aqui a hora do alarme</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Increase or decrease alarm time minutes</source>
        <translation>Aumentar ou diminuir os minutos do alarme</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Repeat on %1</source>
        <translation>Repetir em %1</translation>
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
            <numerusform>%n alarme perdido</numerusform>
            <numerusform>%n alarmes perdidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: due at %1 on %2</source>
        <translation>Perdido: previsto para %1 de %2</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmListModel</name>
    <message>
        <source>, missed</source>
        <translation>, perdido</translation>
    </message>
    <message>
        <source>, repeating</source>
        <translation>, repetido</translation>
    </message>
    <message>
        <source>, future date</source>
        <translation>, data futura</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, hoje</translation>
    </message>
</context>
<context>
    <name>klaxora::AlarmOptionsDialog</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opções do alarme</translation>
    </message>
    <message>
        <source>When this alarm is triggered, Klaxora! should:</source>
        <translation>Quando este alarme disparar, o Klaxora! deve:</translation>
    </message>
    <message>
        <source>&amp;Show Message and Play Sound</source>
        <translation>Mostrar mensagem e &amp;tocar som</translation>
    </message>
    <message>
        <source>At alarm time, both show the 
message  and play the sound</source>
        <translation>Na hora do alarme, mostrar a 
mensagem e tocar o som</translation>
    </message>
    <message>
        <source>Only Show &amp;Message</source>
        <translation>Só mostrar &amp;mensagem</translation>
    </message>
    <message>
        <source>At alarm time, only show the message
(no sound)</source>
        <translation>Na hora do alarme, só mostrar
a mensagem (sem som)</translation>
    </message>
    <message>
        <source>Only &amp;Play Sound</source>
        <translation>Só tocar &amp;som</translation>
    </message>
    <message>
        <source>At alarm time, only play the 
sound (no message)</source>
        <translation>Na hora do alarme, só tocar 
o som (sem mensagem)</translation>
    </message>
    <message>
        <source>Type in the path and name of the .WAV file</source>
        <translation>Digite o caminho e o nome do arquivo .WAV</translation>
    </message>
    <message>
        <source>&amp;WAV File to play:</source>
        <translation>Arquivo &amp;WAV a tocar:</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Escolher</translation>
    </message>
    <message>
        <source>Select the .WAV file from a Windows
File Open dialog</source>
        <translation>Escolher o arquivo .WAV numa
janela de abrir arquivo</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Ouvir já</translation>
    </message>
    <message>
        <source>Play the .WAV file you have selected</source>
        <translation>Tocar o arquivo .WAV escolhido</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the alarm options</source>
        <translation>Salvar as opções do alarme</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Descartar todas as alterações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Get Windows help for Klaxora!</source>
        <translation>Mostrar a ajuda do Klaxora!</translation>
    </message>
    <message>
        <source>The alarm file cannot hold this file name:
%1
Please choose a file whose path has no &quot;^&quot; and at most %2 characters.</source>
        <translation>O arquivo de alarmes não pode guardar este nome de arquivo:
%1
Escolha um arquivo cujo caminho não tenha &quot;^&quot; e tenha no máximo %2 caracteres.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavDiscovery</name>
    <message>
        <source>No CalDAV calendars were found at %1.</source>
        <translation>Nenhum calendário CalDAV foi encontrado em %1.</translation>
    </message>
    <message>
        <source>The server %1 names no calendar home for this account.</source>
        <translation>O servidor %1 não indica nenhuma pasta de calendários para esta conta.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalDavTransport</name>
    <message>
        <source>The answer of %1 is larger than %2 MB and was refused.</source>
        <translation>A resposta de %1 é maior que %2 MB e foi recusada.</translation>
    </message>
    <message>
        <source>The server %1 broke the connection off.</source>
        <translation>O servidor %1 interrompeu a conexão.</translation>
    </message>
    <message>
        <source>The server %1 redirected the request too often.</source>
        <translation>O servidor %1 redirecionou a solicitação vezes demais.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>O servidor %1 recusou o nome de usuário ou a senha.</translation>
    </message>
    <message>
        <source>The server %1 reported an error (%2 %3).</source>
        <translation>O servidor %1 relatou um erro (%2 %3).</translation>
    </message>
    <message>
        <source>The server %1 did not answer in time.</source>
        <translation>O servidor %1 não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2); the server is refused.</source>
        <translation>O certificado de %1 não é confiável (%2); o servidor foi recusado.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Não foi possível acessar o servidor %1: %2</translation>
    </message>
    <message>
        <source>The server %1 answered with status %2 where it was not expected.</source>
        <translation>O servidor %1 respondeu com o status %2, que não era esperado.</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>The alarms are not synced with a calendar.</source>
        <translation>Os alarmes não estão sincronizados com nenhum calendário.</translation>
    </message>
    <message>
        <source>The alarms are synced with the calendar %1 as %2.</source>
        <translation>Os alarmes estão sincronizados com o calendário %1 como %2.</translation>
    </message>
    <message>
        <source>Enter the address of the calendar server.</source>
        <translation>Digite o endereço do servidor de calendário.</translation>
    </message>
    <message>
        <source>Looking for the calendars of your account…</source>
        <translation>Procurando os calendários da sua conta…</translation>
    </message>
    <message>
        <source>%1 (recommended)</source>
        <translation>%1 (recomendado)</translation>
    </message>
    <message>
        <source>Choose the calendar to sync with, then OK.</source>
        <translation>Escolha o calendário para sincronizar e depois OK.</translation>
    </message>
    <message>
        <source>Find Calendars to choose another calendar, or enter a new password and OK to keep this one.</source>
        <translation>Localizar calendários para escolher outro, ou digite uma nova senha e OK para manter este.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address and your account, then Find Calendars.</source>
        <translation>Digite o endereço do servidor e sua conta, depois Localizar calendários.</translation>
    </message>
    <message>
        <source>A calendar of Klaxora!&apos;s alarms alone, made on the server when your account has none yet.</source>
        <translation>Um calendário só para os alarmes do Klaxora!, criado no servidor se sua conta ainda não tiver um.</translation>
    </message>
    <message>
        <source>All reminders of &quot;%1&quot; come in as alarms, and the alarms set here go into it.</source>
        <translation>Todos os lembretes de &quot;%1&quot; chegam como alarmes, e os alarmes definidos aqui vão para ele.</translation>
    </message>
    <message>
        <source>Find Calendars and choose one first.</source>
        <translation>Primeiro localize os calendários e escolha um.</translation>
    </message>
    <message>
        <source>Looking for the calendar &quot;%1&quot;…</source>
        <translation>Procurando o calendário &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Asking the server for the calendar…</source>
        <translation>Consultando o servidor sobre o calendário…</translation>
    </message>
    <message>
        <source>%1 is the address of no calendar.</source>
        <translation>%1 não é o endereço de nenhum calendário.</translation>
    </message>
    <message>
        <source>Keeping the password in the desktop&apos;s keyring…</source>
        <translation>Guardando a senha no chaveiro da área de trabalho…</translation>
    </message>
    <message>
        <source>The password is kept until Klaxora! ends; at its next start it asks for the password again.</source>
        <translation>A senha fica guardada até o Klaxora! terminar; no próximo início ele a pede de novo.</translation>
    </message>
    <message>
        <source>Removing the password from the desktop&apos;s keyring…</source>
        <translation>Removendo a senha do chaveiro da área de trabalho…</translation>
    </message>
    <message>
        <source>The sync is off.</source>
        <translation>A sincronização está desligada.</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Desligar</translation>
    </message>
    <message>
        <source>Stop syncing; the alarms stay here and on the server</source>
        <translation>Parar de sincronizar; os alarmes ficam aqui e no servidor</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>The address of your CalDAV server or of one of its calendars</source>
        <translation>O endereço do seu servidor CalDAV ou de um dos calendários dele</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Endereço do &amp;servidor:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Seu nome de usuário no servidor</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Your password on the server, kept in the desktop&apos;s keyring</source>
        <translation>Sua senha no servidor, guardada no chaveiro da área de trabalho</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>S&amp;enha:</translation>
    </message>
    <message>
        <source>&amp;Allow an unencrypted connection</source>
        <translation>&amp;Permitir uma conexão sem criptografia</translation>
    </message>
    <message>
        <source>Only for a server on your own network reached with http://: the password and the alarms then travel readable to anyone on the way</source>
        <translation>Só para um servidor da sua própria rede acessado com http://: a senha e os alarmes viajam então legíveis para qualquer um no caminho</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Localizar calendários</translation>
    </message>
    <message>
        <source>Ask the server for the calendars of your account</source>
        <translation>Pedir ao servidor os calendários da sua conta</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendários:</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync the alarms with the chosen calendar</source>
        <translation>Sincronizar os alarmes com o calendário escolhido</translation>
    </message>
    <message>
        <source>Leave the calendar sync as it was</source>
        <translation>Deixar a sincronização do calendário como estava</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarPasswords</name>
    <message>
        <source>The password cannot be read from the desktop&apos;s keyring: %1</source>
        <translation>Não é possível ler a senha do chaveiro da área de trabalho: %1</translation>
    </message>
    <message>
        <source>The password cannot be kept in the desktop&apos;s keyring: %1</source>
        <translation>Não é possível guardar a senha no chaveiro da área de trabalho: %1</translation>
    </message>
    <message>
        <source>The password cannot be removed from the desktop&apos;s keyring: %1</source>
        <translation>Não é possível remover a senha do chaveiro da área de trabalho: %1</translation>
    </message>
</context>
<context>
    <name>klaxora::CalendarSync</name>
    <message>
        <source>The sync was stopped: the calendar or its password changed.</source>
        <translation>A sincronização foi interrompida: o calendário ou a senha dele mudou.</translation>
    </message>
    <message>
        <source>The calendar password is not known.</source>
        <translation>A senha do calendário não é conhecida.</translation>
    </message>
    <message>
        <source>The alarm file could not be read; the calendar is not synced.</source>
        <translation>Não foi possível ler o arquivo de alarmes; o calendário não é sincronizado.</translation>
    </message>
    <message>
        <source>Conflict copy: %1</source>
        <translation>Cópia em conflito: %1</translation>
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
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
</context>
<context>
    <name>klaxora::HelpWindow</name>
    <message>
        <source>Klaxora! Help</source>
        <translation>Ajuda do Klaxora!</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Arquivo de ajuda não encontrado</translation>
    </message>
    <message>
        <source>The help file %1 is not part of this program.</source>
        <translation>O arquivo de ajuda %1 não faz parte deste programa.</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <translation>Tópico não encontrado</translation>
    </message>
    <message>
        <source>The help file %1 has no topic number %2.</source>
        <translation>O arquivo de ajuda %1 não tem o tópico número %2.</translation>
    </message>
</context>
<context>
    <name>klaxora::MainScreen</name>
    <message>
        <source>Exit program (alarms will no longer be active)?</source>
        <translation>Sair do programa (os alarmes deixarão de funcionar)?</translation>
    </message>
    <message>
        <source>Klaxora! - the alarm file could not be read</source>
        <translation>Klaxora! - não foi possível ler o arquivo de alarmes</translation>
    </message>
    <message>
        <source>- Alarm is for today</source>
        <translation>- Alarme para hoje</translation>
    </message>
    <message>
        <source>- Alarm is for a future date</source>
        <translation>- Alarme para depois</translation>
    </message>
    <message>
        <source>Show Today Only</source>
        <translation>Só hoje</translation>
    </message>
    <message>
        <source>Only show today&apos;s alarms</source>
        <translation>Mostrar só os alarmes de hoje</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>&amp;Add Alarm</source>
        <translation>&amp;Novo alarme</translation>
    </message>
    <message>
        <source>Add a new alarm</source>
        <translation>Adicionar um novo alarme</translation>
    </message>
    <message>
        <source>&amp;Edit Alarm</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit current alarm</source>
        <translation>Editar o alarme selecionado</translation>
    </message>
    <message>
        <source>&amp;Delete Alarm</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Delete current alarm</source>
        <translation>Excluir o alarme selecionado</translation>
    </message>
    <message>
        <source>&amp;Clone Alarm</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Make a copy of 
current alarm</source>
        <translation>Fazer uma cópia do 
alarme selecionado</translation>
    </message>
    <message>
        <source>Adjust &amp;Time +/-</source>
        <translation>&amp;Hora +/-</translation>
    </message>
    <message>
        <source>Adjust the current alarm time 
plus or minus </source>
        <translation>Adiantar ou atrasar a hora 
do alarme selecionado </translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Minimize Klaxora!</source>
        <translation>Minimizar o Klaxora!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit Klaxora!</source>
        <translation>Sair do Klaxora!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Select Default Sound File (*.wav)</source>
        <translation>Escolher o som padrão (*.wav)</translation>
    </message>
    <message>
        <source>Select the default .wav file to use with alarms</source>
        <translation>Escolher o arquivo .wav tocado por padrão pelos alarmes</translation>
    </message>
    <message>
        <source>No Alarm Sound</source>
        <translation>Sem som de alarme</translation>
    </message>
    <message>
        <source>Toggle all alarm sounds on/off</source>
        <translation>Ligar ou desligar todos os sons de alarme</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimizar para a área de notificação</translation>
    </message>
    <message>
        <source>The system tray is the small panel in the lower right hand corner of  your Windows desktop where the time is displayed (Windows 95 only)</source>
        <translation>A área de notificação é o pequeno painel da área de trabalho onde a hora aparece</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Show Windows Help for Klaxora!</source>
        <translation>Mostrar a ajuda do Klaxora!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Klaxora!</source>
        <translation>Sobre o Klaxora!</translation>
    </message>
    <message>
        <source>&amp;Show Alarms</source>
        <translation>&amp;Mostrar alarmes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Arquivos iCalendar (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Export Alarms</source>
        <translation>Exportar alarmes</translation>
    </message>
    <message>
        <source>Import Alarms</source>
        <translation>Importar alarmes</translation>
    </message>
    <message>
        <source>Import Alarms…</source>
        <translation>Importar alarmes…</translation>
    </message>
    <message>
        <source>Add the alarms of an iCalendar (.ics) file, as from a calendar program</source>
        <translation>Adicionar os alarmes de um arquivo iCalendar (.ics), como de um programa de calendário</translation>
    </message>
    <message>
        <source>Export Alarms…</source>
        <translation>Exportar alarmes…</translation>
    </message>
    <message>
        <source>Write all alarms into an iCalendar (.ics) file</source>
        <translation>Gravar todos os alarmes em um arquivo iCalendar (.ics)</translation>
    </message>
    <message>
        <source>Klaxora! - the calendar cannot be reached</source>
        <translation>Klaxora! - o calendário não pode ser acessado</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Password for %1 at %2</source>
        <translation>Senha de %1 em %2</translation>
    </message>
    <message>
        <source>Sync the alarms with the calendar now</source>
        <translation>Sincronizar agora os alarmes com o calendário</translation>
    </message>
    <message>
        <source>An alarm was changed both here and in the calendar. Both are kept; the one from here is marked &quot;Conflict copy&quot;.</source>
        <translation>Um alarme foi alterado aqui e no calendário. Os dois são mantidos; o daqui está marcado como &quot;Cópia em conflito&quot;.</translation>
    </message>
    <message>
        <source>Calendar…</source>
        <translation>Calendário…</translation>
    </message>
    <message>
        <source>Sync the alarms with a calendar on a CalDAV server</source>
        <translation>Sincronizar os alarmes com um calendário em um servidor CalDAV</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar agora</translation>
    </message>
</context>
<context>
    <name>klaxora::MissedAlarmsDialog</name>
    <message>
        <source>These alarms were missed while Klaxora! was not running:</source>
        <translation>Estes alarmes foram perdidos enquanto o Klaxora! não estava em execução:</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Excluir todos</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Manter</translation>
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
        <translation>Lembrar de novo em:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>Add 1 minute to alarm time</source>
        <translation>Adicionar 1 minuto à hora do alarme</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>Add 5 minutes to alarm time</source>
        <translation>Adicionar 5 minutos à hora do alarme</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>Add 10 minutes to alarm time</source>
        <translation>Adicionar 10 minutos à hora do alarme</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>Add 30 minutes to alarm time</source>
        <translation>Adicionar 30 minutos à hora do alarme</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>Add 60 minutes to alarm time</source>
        <translation>Adicionar 60 minutos à hora do alarme</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>Add 2 hours to alarm time</source>
        <translation>Adicionar 2 horas à hora do alarme</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 horas</translation>
    </message>
    <message>
        <source>Add 4 hours to alarm time</source>
        <translation>Adicionar 4 horas à hora do alarme</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to alarm time</source>
        <translation>Adicionar 24 horas (um dia inteiro) à hora do alarme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Encerrar este alarme</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semana</translation>
    </message>
    <message>
        <source>Add one full week  to alarm time</source>
        <translation>Adicionar uma semana inteira à hora do alarme</translation>
    </message>
</context>
</TS>
