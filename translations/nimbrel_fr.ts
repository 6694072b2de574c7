<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>un fichier .desktop ne peut pas lancer le programme situé à l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>le bus de session n&apos;a pas répondu : %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel n&apos;est pas en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>échec de %1 : %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel a renvoyé une réponse inattendue à %1</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>DBUS_SESSION_BUS_ADDRESS n&apos;est pas défini et XDG_RUNTIME_DIR ne contient aucun bus</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>connexion impossible</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>le bus à l&apos;adresse %1 n&apos;a pas répondu dans un délai de %2 s</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>aucune réponse</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>le presse-papiers est inaccessible</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>aucun titre d&apos;action sur le texte ne dépasse %1 octets</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>la connexion X11 qui lit le presse-papiers a été perdue ; reconnexion en cours</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>de nouveau connecté à l&apos;affichage X</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>l&apos;affichage X %1 a disparu ; fermeture de Nimbrel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Affiche les titres des actions sur le texte, un par ligne.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Vide le presse-papiers.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Ouvre la fenêtre des paramètres.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Ouvre la fenêtre « Options de collage ».</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Utilitaire de presse-papiers pour la zone de notification. Sans option, lance Nimbrel ou
ouvre les paramètres du Nimbrel déjà lancé. Les autres options s&apos;adressent au Nimbrel en
cours d&apos;exécution et n&apos;en lancent jamais un nouveau.
Code de retour : 0 effectué, 1 rien de réécrit ou titre inconnu, 2 ligne de commande
incorrecte ou aucun Nimbrel en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Applique au presse-papiers l&apos;action sur le texte portant ce titre (en anglais).</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>titre</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Indiquez une seule option à la fois parmi --action, --list-actions, --clear, --settings et --options.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>aucune action sur le texte ne s&apos;intitule « %1 » ; les titres sont :
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>rien à réécrire : le presse-papiers ne contient aucun texte auquel cette action s&apos;applique</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>aucune fenêtre ouverte : le presse-papiers ne contient pas de texte</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>le presse-papiers a été vidé, mais %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>aucun bus de session : %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Consultez nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>aucun compositeur Wayland auquel se connecter</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>le compositeur Wayland n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>le compositeur Wayland ne propose aucun protocole data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>le compositeur Wayland n&apos;a aucun seat</translation>
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
        <translation>Utilitaire de presse-papiers</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Signale les changements du presse-papiers et réécrit le texte qu&apos;il contient</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>presse-papiers;texte;casse;majuscules;minuscules;espaces;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>impossible de créer un fichier à côté de %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>impossible de mettre de côté le fichier illisible %1 : %2 fichiers mis de côté auparavant occupent déjà la place</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>impossible de mettre de côté le fichier illisible %1 : %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1 ; les paramètres restent en vigueur jusqu&apos;à ce qu&apos;une modification ultérieure puisse être enregistrée</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>un autre programme a rétabli le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>un autre programme (%1) a rétabli le contenu du presse-papiers</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>une copie de plus de %1 Mio n&apos;est pas conservée à la fermeture du programme d&apos;où elle provient</translation>
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
        <translation>Signaler les changements du presse-papiers et réécrire le texte qu&apos;il contient</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel est un petit utilitaire de presse-papiers qui se loge dans la zone de notification. Il surveille le presse-papiers, signale ce que vous copiez par une notification et, à la demande, réécrit le texte du presse-papiers, de sorte que le prochain collage, où qu&apos;il se fasse, reçoive le nouveau texte.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Signale le texte copié, ainsi que les fichiers et dossiers copiés dans un gestionnaire de fichiers ; ce que les gestionnaires de mots de passe marquent comme secret n&apos;est jamais affiché</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Sept actions sur le texte : majuscule à chaque mot, minuscules, majuscules, snake case, suppression de la mise en forme du texte enrichi, suppression des espaces multiples et suppression de tous les espaces</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Conserve le presse-papiers à la fermeture du programme d&apos;où il provient, mais jamais le secret d&apos;un gestionnaire de mots de passe</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Exécute les actions sur le texte depuis un raccourci clavier avec nimbrel --action, ou depuis des scripts via D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
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
        <translation>Effacer la mise en forme</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Options de collage</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Texte du presse-papiers :</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Action sur le texte :</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Appliquer l&apos;action au texte du presse-papiers (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>presse-papiers inaccessible ; il reste vide</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>le StatusNotifierWatcher a quitté le bus de session</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>aucun StatusNotifierWatcher sur le bus de session</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>l&apos;icône de la zone de notification est un StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>le StatusNotifierWatcher a refusé l&apos;élément : %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>pas encore de zone de notification (%1) ; l&apos;icône apparaîtra au démarrage d&apos;un panneau</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>l&apos;icône va dans la zone de notification X11 (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (après %n changement non signalé)</numerusform>
            <numerusform> (après %n changements non signalés)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>la connexion X11 qui fournit le presse-papiers a été perdue ; reconnexion en cours</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>le presse-papiers est de nouveau fourni</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Paramètres de Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Notifications&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Signaler le texte copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Signaler les fichiers et dossiers copiés dans le presse-papiers</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Presse-papiers&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Conserver le presse-papiers à la fermeture du programme d&apos;où il provient</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Démarrage&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Lancer Nimbrel à l&apos;ouverture de la session</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>aucun bus de session (%1) ; les notifications et le pilotage par scripts sont désactivés</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage X11 « %1 » ; sous Wayland, XWayland en fournit un</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1 ; le presse-papiers est lu via X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>impossible de proposer l&apos;interface de scripts sur le bus de session</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Actions sur le texte…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Vider le presse-papiers</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>impossible de gérer les signaux de terminaison</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Majuscule à chaque mot</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake case (avec_tirets_bas)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Supprimer la mise en forme du texte enrichi</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Supprimer les espaces multiples</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Supprimer tous les espaces</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>le compositeur Wayland a mis fin au périphérique data-control du presse-papiers</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>la connexion au presse-papiers du compositeur Wayland a été perdue ; reconnexion en cours</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>le presse-papiers du compositeur Wayland est de nouveau lu</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1 ; fermeture de Nimbrel</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>une écriture a remplacé %n copie plus récente dans le presse-papiers avant qu&apos;elle ait pu être lue</numerusform>
            <numerusform>une écriture a remplacé %n copies plus récentes dans le presse-papiers avant qu&apos;elles aient pu être lues</numerusform>
        </translation>
    </message>
</context>
</TS>
