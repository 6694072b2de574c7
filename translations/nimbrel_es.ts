<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>un archivo .desktop no puede ejecutar el programa ubicado en %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>el bus de sesión no respondió: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel no se está ejecutando</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel devolvió una respuesta inesperada a %1</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>DBUS_SESSION_BUS_ADDRESS no está definida y XDG_RUNTIME_DIR no contiene ningún bus</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>no se puede conectar</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>el bus en %1 no respondió en %2 s</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>no se puede acceder al portapapeles</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>ningún título de acción de texto tiene más de %1 bytes</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>se perdió la conexión X11 que lee el portapapeles; volviendo a conectar</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>conectado de nuevo a la pantalla X</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>la pantalla X %1 ya no existe; cerrando Nimbrel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Muestra los títulos de las acciones de texto, uno por línea.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Vacía el portapapeles.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Abre la ventana de configuración.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Abre la ventana «Opciones de pegado».</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Utilidad de portapapeles para el área de notificación. Sin opciones, inicia Nimbrel o abre
la configuración del que ya está en ejecución. Las demás opciones se dirigen al Nimbrel en
ejecución y nunca inician uno nuevo.
Estado de salida: 0 hecho, 1 nada reescrito o título desconocido, 2 línea de comandos
incorrecta o ningún Nimbrel en ejecución.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Aplica al portapapeles la acción de texto con este título (en inglés).</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>título</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Indique una sola opción a la vez entre --action, --list-actions, --clear, --settings y --options.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>ninguna acción de texto se titula «%1»; los títulos son:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>nada que reescribir: el portapapeles no contiene ningún texto al que se aplique esta acción</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>no se abrió ninguna ventana: el portapapeles no contiene texto</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>se vació el portapapeles, pero %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>no hay bus de sesión: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Consulte nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>no hay ningún compositor Wayland al que conectarse</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>el compositor Wayland no respondió</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>el compositor Wayland no ofrece ningún protocolo data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>el compositor Wayland no tiene ningún seat</translation>
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
        <translation>Utilidad de portapapeles</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Avisa de los cambios en el portapapeles y reescribe su texto</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>portapapeles;texto;mayúsculas;minúsculas;espacios;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>no se puede crear un archivo junto a %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>no se puede apartar el archivo ilegible %1: ya hay %2 archivos apartados anteriormente que lo impiden</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>no se puede apartar el archivo ilegible %1: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; la configuración se mantiene hasta que se pueda guardar un cambio posterior</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo regular</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>otro programa restauró el contenido del portapapeles</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>otro programa (%1) restauró el contenido del portapapeles</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>una copia de más de %1 MiB no se conserva al cerrarse el programa del que procede</translation>
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
        <translation>Avisa de los cambios en el portapapeles y reescribe su texto</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel es una pequeña utilidad de portapapeles que reside en el área de notificación. Vigila el portapapeles, avisa con una notificación de lo que copia y, cuando lo solicite, reescribe el texto del portapapeles, de modo que lo siguiente que pegue, en cualquier lugar, sea el texto nuevo.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Avisa del texto copiado y de los archivos y carpetas copiados en un gestor de archivos; nunca muestra lo que los gestores de contraseñas marcan como secreto</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Siete acciones de texto: mayúscula inicial en cada palabra, minúsculas, mayúsculas, snake case, quitar el formato de texto enriquecido, quitar espacios múltiples y quitar todos los espacios</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Conserva el portapapeles al cerrarse el programa del que procede, pero nunca el secreto de un gestor de contraseñas</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Ejecuta las acciones de texto desde un atajo de teclado con nimbrel --action o desde scripts a través de D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
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
        <translation>Quitar el formato</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Opciones de pegado</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Texto del portapapeles:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Acción de texto:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Aplicar la acción de texto al portapapeles (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>no se puede acceder al portapapeles; queda vacío</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>el StatusNotifierWatcher abandonó el bus de sesión</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>no hay ningún StatusNotifierWatcher en el bus de sesión</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>el icono del área de notificación es un StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>el StatusNotifierWatcher rechazó el elemento: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>todavía no hay área de notificación (%1); el icono aparecerá cuando se inicie un panel</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>el icono va al área de notificación de X11 (%1)</translation>
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
            <numerusform> (tras %n cambio no notificado)</numerusform>
            <numerusform> (tras %n cambios no notificados)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>se perdió la conexión X11 que proporciona el portapapeles; volviendo a conectar</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>se vuelve a proporcionar el portapapeles</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Configuración de Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Notificaciones&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Avisar del texto copiado al portapapeles</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Avisar de los archivos y carpetas copiados al portapapeles</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Portapapeles&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Conservar el portapapeles al cerrarse el programa del que procede</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Inicio&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Ejecutar Nimbrel al iniciar sesión</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>no hay bus de sesión (%1); las notificaciones y el control mediante scripts están desactivados</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>no se puede abrir la pantalla X11 «%1»; en Wayland, XWayland proporciona una</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; el portapapeles se lee a través de X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>no se puede ofrecer la interfaz de scripts en el bus de sesión</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Acciones de texto…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Vaciar el portapapeles</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>no se pueden gestionar las señales de terminación</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Mayúscula inicial en cada palabra</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake case (con_guiones_bajos)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Quitar el formato de texto enriquecido</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Quitar espacios múltiples</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Quitar todos los espacios</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>el compositor Wayland finalizó el dispositivo data-control del portapapeles</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>se perdió la conexión con el portapapeles del compositor Wayland; volviendo a conectar</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>se vuelve a leer el portapapeles del compositor Wayland</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; cerrando Nimbrel</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>una escritura reemplazó %n copia más reciente en el portapapeles antes de que pudiera leerse</numerusform>
            <numerusform>una escritura reemplazó %n copias más recientes en el portapapeles antes de que pudieran leerse</numerusform>
        </translation>
    </message>
</context>
</TS>
