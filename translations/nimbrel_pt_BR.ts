<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>não foi possível remover %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>um arquivo .desktop não consegue executar o programa em %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>o barramento de sessão não respondeu: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>o Nimbrel não está em execução</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>falha em %1: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>o Nimbrel deu uma resposta inesperada a %1</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>a variável DBUS_SESSION_BUS_ADDRESS não está definida e XDG_RUNTIME_DIR não contém nenhum barramento</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>não foi possível conectar</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>o barramento em %1 não respondeu em %2 s</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>a área de transferência não está acessível</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>nenhum título de ação de texto tem mais de %1 bytes</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>a conexão X11 que lê a área de transferência foi perdida; reconectando</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>conectado novamente ao display X</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>o display X %1 não existe mais; encerrando</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Exibe os títulos das ações de texto, um por linha.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Limpa a área de transferência.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Abre a janela de configurações.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Abre a janela “Opções de colagem”.</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Utilitário de área de transferência para a bandeja do sistema. Sem opções, inicia o
Nimbrel ou abre as configurações do que já está em execução. As outras opções se dirigem
ao Nimbrel em execução e nunca iniciam um novo.
Status de saída: 0 concluído, 1 nada reescrito ou título desconhecido, 2 linha de comando
inválida ou nenhum Nimbrel em execução.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Exibe esta ajuda.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Exibe a versão.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Aplica à área de transferência a ação de texto com este título (em inglês).</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>título</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Informe apenas uma das opções --action, --list-actions, --clear, --settings e --options por vez.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>nenhuma ação de texto tem o título “%1”; os títulos são:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>nada a reescrever: a área de transferência não contém texto ao qual esta ação se aplique</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>nenhuma janela aberta: a área de transferência não contém texto</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>a área de transferência foi limpa, mas %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>sem barramento de sessão: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Veja nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>nenhum compositor Wayland ao qual se conectar</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>o compositor Wayland não respondeu</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>o compositor Wayland não oferece nenhum protocolo data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>o compositor Wayland não oferece nenhum seat</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Nimbrel</source>
        <extracomment>The program&apos;s name in menus</extracomment>
        <translation>Nimbrel</translation>
    </message>
    <message>
        <source>Clipboard Utility</source>
        <extracomment>What kind of program it is, shown beside or instead of its name in menus</extracomment>
        <translation>Utilitário de área de transferência</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Avisa sobre mudanças na área de transferência e reescreve o texto copiado</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>área de transferência;texto;maiúsculas;minúsculas;espaços;espaço em branco;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>não foi possível criar um arquivo ao lado de %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>não foi possível pôr de lado o arquivo ilegível %1: %2 arquivos anteriores já ocupam o lugar</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>não foi possível pôr de lado o arquivo ilegível %1: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; as configurações serão mantidas até que uma alteração posterior possa ser salva</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>outro programa restaurou o conteúdo da área de transferência</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>outro programa (%1) restaurou o conteúdo da área de transferência</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>uma cópia com mais de %1 MiB não é mantida quando o programa de origem é encerrado</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Nimbrel</source>
        <extracomment>The program&apos;s name in software centres</extracomment>
        <translation>Nimbrel</translation>
    </message>
    <message>
        <source>Announce clipboard changes and rewrite clipboard text</source>
        <extracomment>One line under the program&apos;s name in software centres</extracomment>
        <translation>Avisa sobre mudanças na área de transferência e reescreve o texto copiado</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>O Nimbrel é um pequeno utilitário de área de transferência para a bandeja do sistema. Ele observa a área de transferência, avisa com uma notificação o que você copia e, quando solicitado, reescreve o texto da área de transferência, de modo que, na próxima vez que você colar em qualquer lugar, o novo texto seja colado.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Avisa sobre o texto copiado e sobre arquivos e pastas copiados em um gerenciador de arquivos; o que os gerenciadores de senhas marcam como secreto nunca é exibido</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Sete ações de texto: iniciais maiúsculas, tudo em minúsculas, tudo em maiúsculas, snake case, remover formatação do texto rico, remover espaços extras e remover todos os espaços</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Mantém a área de transferência quando o programa de origem é encerrado, mas nunca um segredo de um gerenciador de senhas</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Executa as ações de texto por um atalho de teclado com nimbrel --action ou a partir de scripts via D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nimbrel!</source>
        <extracomment>The title of every notification</extracomment>
        <translation>Nimbrel!</translation>
    </message>
    <message>
        <source>Clear formatting</source>
        <extracomment>The notification&apos;s button that turns rich text on the clipboard into plain text</extracomment>
        <translation>Limpar formatação</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Opções de colagem</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Texto da área de transferência:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Ação de texto:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Executar a ação de texto na área de transferência (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>não foi possível acessar a área de transferência; ela permanecerá vazia</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>o StatusNotifierWatcher saiu do barramento de sessão</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>nenhum StatusNotifierWatcher no barramento de sessão</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>o ícone da bandeja do sistema é um StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>o StatusNotifierWatcher recusou o item: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>ainda não há bandeja do sistema (%1); o ícone aparecerá quando um painel for iniciado</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>o ícone vai para a bandeja do sistema do X11 (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (após %n alteração não informada)</numerusform>
            <numerusform> (após %n alterações não informadas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>a conexão X11 que fornece a área de transferência foi perdida; reconectando</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>fornecendo a área de transferência novamente</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Configurações do Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Notificações&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Avisar quando um texto for copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Avisar quando arquivos e pastas forem copiados para a área de transferência</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Área de transferência&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Manter a área de transferência quando o programa de origem for encerrado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Inicialização&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Executar o Nimbrel ao iniciar a sessão</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>sem barramento de sessão (%1); as notificações e o controle por scripts estão desativados</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>não foi possível abrir o display X11 “%1”; em sessões Wayland, o XWayland fornece um</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; a área de transferência é lida via X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>não foi possível oferecer a interface de scripts no barramento de sessão</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Ações de texto…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Limpar área de transferência</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>não foi possível tratar os sinais de término</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Iniciais maiúsculas</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Tudo em minúsculas</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Tudo em maiúsculas</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake case (com_sublinhados)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Remover formatação do texto rico</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Remover espaços extras</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Remover todos os espaços</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>o compositor Wayland encerrou o dispositivo data-control da área de transferência</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>a conexão com a área de transferência do compositor Wayland foi perdida; reconectando</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>lendo novamente a área de transferência do compositor Wayland</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; encerrando</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>uma gravação substituiu %n cópia mais recente na área de transferência antes que ela pudesse ser lida</numerusform>
            <numerusform>uma gravação substituiu %n cópias mais recentes na área de transferência antes que elas pudessem ser lidas</numerusform>
        </translation>
    </message>
</context>
</TS>
