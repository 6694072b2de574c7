<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>un file .desktop non può avviare il programma che si trova in %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>il bus di sessione non ha risposto: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel non è in esecuzione</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>chiamata a %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel ha dato una risposta inattesa a %1</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>DBUS_SESSION_BUS_ADDRESS non è impostata e XDG_RUNTIME_DIR non contiene alcun bus</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>impossibile connettersi</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>il bus all&apos;indirizzo %1 non ha risposto entro %2 s</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>impossibile accedere agli appunti</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>nessun titolo di azione sul testo supera i %1 byte</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>la connessione X11 che legge gli appunti è stata persa; riconnessione in corso</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>di nuovo connesso al display X</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>il display X %1 non è più disponibile; chiusura di Nimbrel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Mostra i titoli delle azioni sul testo, uno per riga.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Svuota gli appunti.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Apre la finestra delle impostazioni.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Apre la finestra «Opzioni incolla».</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Utilità per gli appunti nell&apos;area di notifica. Senza opzioni, avvia Nimbrel o apre le
impostazioni di quello già in esecuzione. Le altre opzioni si rivolgono al Nimbrel in
esecuzione e non ne avviano mai uno nuovo.
Codice di uscita: 0 fatto, 1 nulla riscritto o titolo sconosciuto, 2 riga di comando non
valida o nessun Nimbrel in esecuzione.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Esegue sugli appunti l&apos;azione sul testo con questo titolo (in inglese).</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>titolo</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Indicare una sola opzione alla volta tra --action, --list-actions, --clear, --settings e --options.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>nessuna azione sul testo si intitola «%1»; i titoli sono:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>niente da riscrivere: gli appunti non contengono testo a cui si applichi questa azione</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>nessuna finestra aperta: gli appunti non contengono testo</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>gli appunti sono stati svuotati, ma %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>nessun bus di sessione: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Consultare nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>nessun compositor Wayland a cui connettersi</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>il compositor Wayland non ha risposto</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>il compositor Wayland non offre alcun protocollo data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>il compositor Wayland non ha alcun seat</translation>
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
        <translation>Utilità per gli appunti</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Segnala le modifiche agli appunti e ne riscrive il testo</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>appunti;testo;maiuscole;minuscole;spazi;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>impossibile creare un file accanto a %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>impossibile mettere da parte il file illeggibile %1: ci sono già %2 file messi da parte in precedenza</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>impossibile mettere da parte il file illeggibile %1: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; le impostazioni restano in vigore finché non sarà possibile salvare una modifica successiva</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file regolare</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>un altro programma ha ripristinato il contenuto degli appunti</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>un altro programma (%1) ha ripristinato il contenuto degli appunti</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>una copia di più di %1 MiB non viene mantenuta quando si chiude il programma da cui proviene</translation>
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
        <translation>Segnala le modifiche agli appunti e ne riscrive il testo</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel è una piccola utilità per gli appunti che risiede nell&apos;area di notifica. Tiene d&apos;occhio gli appunti, segnala con una notifica ciò che viene copiato e, su richiesta, riscrive il testo negli appunti, in modo che la prossima operazione di incolla, ovunque avvenga, inserisca il nuovo testo.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Segnala il testo copiato e i file e le cartelle copiati in un gestore di file; ciò che i gestori di password contrassegnano come segreto non viene mai mostrato</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Sette azioni sul testo: iniziali maiuscole, minuscole, maiuscole, snake case, rimozione della formattazione del testo, rimozione degli spazi multipli e rimozione di tutti gli spazi</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Mantiene gli appunti quando si chiude il programma da cui provengono, ma mai i segreti di un gestore di password</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Esegue le azioni sul testo da una scorciatoia da tastiera con nimbrel --action o da script tramite D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
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
        <translation>Rimuovi formattazione</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Opzioni incolla</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Testo negli appunti:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Azione sul testo:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Applica l&apos;azione al testo negli appunti (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>impossibile accedere agli appunti; restano vuoti</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>lo StatusNotifierWatcher ha lasciato il bus di sessione</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>nessuno StatusNotifierWatcher sul bus di sessione</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>l&apos;icona nell&apos;area di notifica è uno StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>lo StatusNotifierWatcher ha rifiutato l&apos;elemento: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>area di notifica non ancora disponibile (%1); l&apos;icona apparirà all&apos;avvio di un pannello</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>l&apos;icona va nell&apos;area di notifica X11 (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (dopo %n modifica non segnalata)</numerusform>
            <numerusform> (dopo %n modifiche non segnalate)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>la connessione X11 che fornisce gli appunti è stata persa; riconnessione in corso</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>gli appunti vengono di nuovo forniti</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Impostazioni di Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Notifiche&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Segnala il testo copiato negli appunti</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Segnala i file e le cartelle copiati negli appunti</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Appunti&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Mantieni gli appunti quando si chiude il programma da cui provengono</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Avvio&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Avvia Nimbrel all&apos;accesso</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>nessun bus di sessione (%1); notifiche e controllo tramite script disattivati</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>impossibile aprire il display X11 «%1»; su Wayland, XWayland ne fornisce uno</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; gli appunti vengono letti tramite X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>impossibile offrire l&apos;interfaccia di scripting sul bus di sessione</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Azioni sul testo…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Svuota gli appunti</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>impossibile gestire i segnali di terminazione</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Iniziali maiuscole</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minuscole</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake case (con_trattini_bassi)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Rimuovi la formattazione del testo</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Rimuovi gli spazi multipli</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Rimuovi tutti gli spazi</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>il compositor Wayland ha terminato il dispositivo data-control degli appunti</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>la connessione agli appunti del compositor Wayland è stata persa; riconnessione in corso</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>gli appunti del compositor Wayland vengono di nuovo letti</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; chiusura di Nimbrel</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>una scrittura ha sostituito %n copia più recente negli appunti prima che potesse essere letta</numerusform>
            <numerusform>una scrittura ha sostituito %n copie più recenti negli appunti prima che potessero essere lette</numerusform>
        </translation>
    </message>
</context>
</TS>
