<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>plik .desktop nie może uruchomić programu znajdującego się w %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>nie można utworzyć katalogu %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>magistrala sesji nie odpowiedziała: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>program Nimbrel nie jest uruchomiony</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>wywołanie %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>program Nimbrel zwrócił nieoczekiwaną odpowiedź na %1</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>zmienna DBUS_SESSION_BUS_ADDRESS nie jest ustawiona, a w XDG_RUNTIME_DIR nie ma magistrali</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>nie można nawiązać połączenia</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>magistrala pod adresem %1 nie odpowiedziała w ciągu %2 s</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>schowek jest niedostępny</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>żadna nazwa operacji na tekście nie jest dłuższa niż %1 B</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>utracono połączenie X11 odczytujące schowek; ponowne łączenie</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>ponownie połączono z ekranem X</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>ekran X %1 zniknął; kończenie działania</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Wypisuje nazwy operacji na tekście, po jednej w wierszu.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Czyści schowek.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Otwiera okno ustawień.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Otwiera okno „Opcje wklejania”.</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Narzędzie schowka dla zasobnika systemowego. Bez opcji uruchamia program Nimbrel
lub otwiera ustawienia już działającej instancji. Pozostałe opcje odwołują się
do działającej instancji i nigdy nie uruchamiają nowej.
Kod wyjścia: 0 – wykonano, 1 – nic nie zmieniono lub nieznana nazwa, 2 – błędny wiersz
poleceń lub program Nimbrel nie jest uruchomiony.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Wyświetla wersję.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Stosuje do schowka operację na tekście o tej (angielskiej) nazwie.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Należy podać naraz tylko jedną z opcji --action, --list-actions, --clear, --settings i --options.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>brak operacji na tekście o nazwie „%1”; dostępne nazwy:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>nie ma czego zmieniać: w schowku nie ma tekstu, do którego można zastosować tę operację</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>nie otwarto okna: w schowku nie ma tekstu</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>schowek został wyczyszczony, ale %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>brak magistrali sesji: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Więcej informacji: nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>brak kompozytora Wayland, z którym można się połączyć</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>kompozytor Wayland nie odpowiedział</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>kompozytor Wayland nie udostępnia protokołu data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>kompozytor Wayland nie udostępnia żadnego obiektu seat</translation>
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
        <translation>Narzędzie schowka</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Powiadamia o zmianach w schowku i przekształca znajdujący się w nim tekst</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>schowek;tekst;wielkość liter;wielkie litery;małe litery;spacje;odstępy;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>nie można utworzyć pliku obok %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>nie można odłożyć na bok nieczytelnego pliku %1: przeszkadzają wcześniej odłożone pliki (%2)</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>nie można odłożyć na bok nieczytelnego pliku %1: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; ustawienia pozostaną w mocy, dopóki nie uda się zapisać kolejnej zmiany</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>inny program przywrócił zawartość schowka</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>inny program (%1) przywrócił zawartość schowka</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>kopia większa niż %1 MiB nie jest zachowywana po zamknięciu programu, z którego ją skopiowano</translation>
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
        <translation>Powiadamianie o zmianach w schowku i przekształcanie zawartego w nim tekstu</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel to małe narzędzie schowka działające w zasobniku systemowym. Obserwuje schowek, informuje powiadomieniem o tym, co kopiujesz, i na żądanie przekształca tekst w schowku, tak aby przy następnym wklejeniu w dowolnym miejscu wstawiony został nowy tekst.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Powiadamia o skopiowanym tekście oraz o plikach i katalogach skopiowanych w menedżerze plików; to, co menedżery haseł oznaczają jako poufne, nigdy nie jest wyświetlane</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Siedem operacji na tekście: wielkie pierwsze litery wyrazów, małe litery, wielkie litery, snake case, usuwanie formatowania tekstu, usuwanie zbędnych odstępów i usuwanie wszystkich odstępów</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Zachowuje zawartość schowka po zamknięciu programu, z którego ją skopiowano – nigdy jednak poufnych danych z menedżera haseł</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Wykonuje operacje na tekście za pomocą skrótu klawiszowego z nimbrel --action lub ze skryptów przez D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
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
        <translation>Wyczyść formatowanie</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Opcje wklejania</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Tekst w schowku:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Operacja na tekście:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Wykonaj operację na tekście w schowku (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Wykonaj</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>nie można uzyskać dostępu do schowka; pozostanie pusty</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>StatusNotifierWatcher opuścił magistralę sesji</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>brak StatusNotifierWatcher na magistrali sesji</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>ikona w zasobniku systemowym jest elementem StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>StatusNotifierWatcher odrzucił element: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>zasobnik systemowy nie jest jeszcze dostępny (%1); ikona pojawi się po uruchomieniu panelu</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>ikona trafia do zasobnika systemowego X11 (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (po %n niezgłoszonej zmianie)</numerusform>
            <numerusform> (po %n niezgłoszonych zmianach)</numerusform>
            <numerusform> (po %n niezgłoszonych zmianach)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>utracono połączenie X11 udostępniające schowek; ponowne łączenie</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>schowek jest ponownie udostępniany</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Ustawienia programu Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Powiadomienia&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Powiadamiaj o tekście skopiowanym do schowka</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Powiadamiaj o plikach i katalogach skopiowanych do schowka</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Schowek&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Zachowuj zawartość schowka po zamknięciu programu, z którego ją skopiowano</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Uruchamianie&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Uruchamiaj program Nimbrel po zalogowaniu</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>brak magistrali sesji (%1); powiadomienia i obsługa skryptów są wyłączone</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>nie można otworzyć ekranu X11 „%1”; w sesji Wayland zapewnia go XWayland</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; schowek jest odczytywany przez X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>nie można udostępnić interfejsu skryptowego na magistrali sesji</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Operacje na tekście…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Wyczyść schowek</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>nie można obsłużyć sygnałów zakończenia</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Wielkie pierwsze litery wyrazów</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Małe litery</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Wielkie litery</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake case (z_podkreślnikami)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Usuń formatowanie tekstu</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Usuń zbędne odstępy</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Usuń wszystkie odstępy</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>kompozytor Wayland zamknął urządzenie data-control schowka</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>utracono połączenie ze schowkiem kompozytora Wayland; ponowne łączenie</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>schowek kompozytora Wayland jest ponownie odczytywany</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; kończenie działania</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>zapis zastąpił %n nowszą kopię w schowku, zanim można ją było odczytać</numerusform>
            <numerusform>zapis zastąpił %n nowsze kopie w schowku, zanim można je było odczytać</numerusform>
            <numerusform>zapis zastąpił %n nowszych kopii w schowku, zanim można je było odczytać</numerusform>
        </translation>
    </message>
</context>
</TS>
