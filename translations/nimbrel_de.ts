<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>ein Desktop-Eintrag kann das Programm unter %1 nicht starten</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>der Sitzungsbus hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel läuft nicht</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel hat %1 mit einer unerwarteten Antwort beantwortet</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>DBUS_SESSION_BUS_ADDRESS ist nicht gesetzt, und in XDG_RUNTIME_DIR liegt kein Bus</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>keine Verbindung möglich</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>der Bus unter %1 hat nicht innerhalb von %2 s geantwortet</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>die Zwischenablage ist nicht erreichbar</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>kein Titel einer Textaktion ist länger als %1 Byte</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>die X11-Verbindung zum Lesen der Zwischenablage ist abgerissen; sie wird neu aufgebaut</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>wieder mit der X-Anzeige verbunden</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>die X-Anzeige %1 ist weg; Nimbrel wird beendet</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Gibt die Titel der Textaktionen aus, einen je Zeile.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Leert die Zwischenablage.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Öffnet das Einstellungsfenster.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Öffnet das Fenster „Einfügeoptionen“.</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Zwischenablage-Werkzeug für die Kontrollleiste. Ohne Optionen startet es Nimbrel oder öffnet
die Einstellungen des laufenden. Die anderen Optionen wenden sich an das laufende Nimbrel und
starten nie eines.
Rückgabewert: 0 erledigt, 1 nichts umgeschrieben oder unbekannter Titel, 2 fehlerhafte
Befehlszeile oder kein laufendes Nimbrel.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Gibt diese Hilfe aus.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Gibt die Version aus.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Wendet die Textaktion mit diesem (englischen) Titel auf die Zwischenablage an.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Bitte jeweils nur eine der Optionen --action, --list-actions, --clear, --settings und --options angeben.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>keine Textaktion heißt „%1“; die Titel lauten:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>nichts umzuschreiben: Die Zwischenablage enthält keinen Text, auf den diese Aktion anwendbar ist</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>kein Fenster geöffnet: Die Zwischenablage enthält keinen Text</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>die Zwischenablage wurde geleert, aber %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>kein Sitzungsbus: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Siehe nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>kein Wayland-Compositor zum Verbinden da</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>der Wayland-Compositor hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>der Wayland-Compositor bietet kein Data-Control-Protokoll an</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>der Wayland-Compositor hat keinen Seat</translation>
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
        <translation>Zwischenablage-Werkzeug</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Meldet Änderungen der Zwischenablage und schreibt Text in der Zwischenablage um</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>Zwischenablage;Text;Großbuchstaben;Kleinbuchstaben;Leerzeichen;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>neben %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>die unlesbare Datei %1 kann nicht beiseitegelegt werden: %2 frühere sind im Weg</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>die unlesbare Datei %1 kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; die Einstellungen bleiben in Kraft, bis sich eine spätere Änderung speichern lässt</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>ein anderes Programm hat den Inhalt der Zwischenablage wiederhergestellt</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>ein anderes Programm (%1) hat den Inhalt der Zwischenablage wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>eine Kopie von mehr als %1 MiB wird nicht behalten, wenn das Programm beendet wird, aus dem sie stammt</translation>
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
        <translation>Änderungen der Zwischenablage melden und Text in der Zwischenablage umschreiben</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel ist ein kleines Zwischenablage-Werkzeug für die Kontrollleiste. Es beobachtet die Zwischenablage, meldet mit einer Benachrichtigung, was Sie kopieren, und schreibt auf Wunsch den Text in der Zwischenablage um, sodass das nächste Einfügen überall den neuen Text einfügt.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Meldet kopierten Text sowie in einer Dateiverwaltung kopierte Dateien und Ordner; was Passwortverwaltungen als geheim kennzeichnen, wird nie angezeigt</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Sieben Textaktionen: Wortanfänge groß, Kleinbuchstaben, Großbuchstaben, Snake-Case, Rich-Text-Formatierung entfernen, mehrfache Leerzeichen entfernen und alle Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Behält die Zwischenablage, wenn das Programm beendet wird, aus dem sie stammt – niemals aber das Geheimnis einer Passwortverwaltung</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Führt die Textaktionen per Tastenkürzel mit nimbrel --action oder aus Skripten über D-Bus aus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
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
        <translation>Formatierung entfernen</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Einfügeoptionen</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Text in der Zwischenablage:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Textaktion:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Die Textaktion auf die Zwischenablage anwenden (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>die Zwischenablage ist nicht erreichbar; sie bleibt leer</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>der StatusNotifierWatcher hat den Sitzungsbus verlassen</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>kein StatusNotifierWatcher auf dem Sitzungsbus</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>das Symbol in der Kontrollleiste ist ein StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>der StatusNotifierWatcher hat das Element abgelehnt: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>noch keine Kontrollleiste (%1); das Symbol erscheint, sobald eine Leiste startet</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>das Symbol kommt in den X11-Systemabschnitt der Kontrollleiste (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (nach %n nicht gemeldeter Änderung)</numerusform>
            <numerusform> (nach %n nicht gemeldeten Änderungen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>die X11-Verbindung zum Bereitstellen der Zwischenablage ist abgerissen; sie wird neu aufgebaut</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>die Zwischenablage wird wieder bereitgestellt</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Nimbrel-Einstellungen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Benachrichtigungen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>In die Zwischenablage kopierten Text melden</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>In die Zwischenablage kopierte Dateien und Ordner melden</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zwischenablage&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Zwischenablage behalten, wenn das Programm beendet wird, aus dem sie stammt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Autostart&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Nimbrel bei der Anmeldung starten</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>kein Sitzungsbus (%1); Benachrichtigungen und Skriptsteuerung sind aus</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>die X11-Anzeige „%1“ kann nicht geöffnet werden; unter Wayland stellt XWayland eine bereit</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; die Zwischenablage wird über X11 gelesen</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>die Skriptschnittstelle kann auf dem Sitzungsbus nicht angeboten werden</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Textaktionen …</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Zwischenablage leeren</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>Beendigungssignale können nicht behandelt werden</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Wortanfänge groß</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake-Case (mit_Unterstrich)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Rich-Text-Formatierung entfernen</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Mehrfache Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Alle Leerzeichen entfernen</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>der Wayland-Compositor hat das Data-Control-Gerät der Zwischenablage beendet</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>die Verbindung zur Zwischenablage des Wayland-Compositors ist abgerissen; sie wird neu aufgebaut</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>die Zwischenablage des Wayland-Compositors wird wieder gelesen</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; Nimbrel wird beendet</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>ein Schreibvorgang hat %n neuere Kopie in der Zwischenablage ersetzt, bevor sie gelesen werden konnte</numerusform>
            <numerusform>ein Schreibvorgang hat %n neuere Kopien in der Zwischenablage ersetzt, bevor sie gelesen werden konnten</numerusform>
        </translation>
    </message>
</context>
</TS>
