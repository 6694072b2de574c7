<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>не удалось удалить %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>файл .desktop не может запустить программу, расположенную в %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>не удалось создать папку %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>сеансовая шина не ответила: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel не запущен</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>не удалось выполнить %1: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel вернул неожиданный ответ на %1</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>переменная DBUS_SESSION_BUS_ADDRESS не задана, а в XDG_RUNTIME_DIR нет шины</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>не удалось подключиться</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>шина по адресу %1 не ответила в течение %2 с</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>буфер обмена недоступен</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>ни одно название действия с текстом не длиннее %1 байт</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>потеряно соединение X11, через которое читается буфер обмена; повторное подключение</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>соединение с дисплеем X восстановлено</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>дисплей X %1 пропал; завершение работы</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Вывести названия действий с текстом, по одному в строке.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Очистить буфер обмена.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Открыть окно параметров.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Открыть окно «Параметры вставки».</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Утилита буфера обмена для системного лотка. Без ключей запускает Nimbrel или открывает
параметры уже запущенного. Остальные ключи обращаются к запущенному Nimbrel и никогда
не запускают новый.
Код завершения: 0 — готово, 1 — текст не изменён или название неизвестно, 2 — неверная
командная строка или Nimbrel не запущен.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Применить к буферу обмена действие с текстом под этим (английским) названием.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>название</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>Укажите только один из ключей --action, --list-actions, --clear, --settings и --options.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>нет действия с текстом под названием «%1»; доступные названия:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>нечего преобразовывать: в буфере обмена нет текста, к которому применимо это действие</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>окно не открыто: в буфере обмена нет текста</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>буфер обмена очищен, но %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>нет сеансовой шины: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Подробнее: nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>нет композитора Wayland для подключения</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>композитор Wayland не ответил</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>композитор Wayland не поддерживает протокол data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>композитор Wayland не предоставляет ни одного seat</translation>
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
        <translation>Утилита буфера обмена</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Сообщает об изменениях в буфере обмена и преобразует текст в нём</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>буфер обмена;текст;регистр;прописные;строчные;пробелы;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>не удалось создать файл рядом с %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>не удалось отложить нечитаемый файл %1: мешают ранее отложенные файлы (%2)</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>не удалось отложить нечитаемый файл %1: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; текущие параметры продолжат действовать, пока не удастся записать следующее изменение</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 не является обычным файлом</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>другая программа вернула содержимое буфера обмена</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>другая программа (%1) вернула содержимое буфера обмена</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>копия объёмом более %1 МиБ не сохраняется после закрытия программы, из которой она скопирована</translation>
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
        <translation>Уведомления об изменениях в буфере обмена и преобразование текста в нём</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel — небольшая утилита буфера обмена для системного лотка. Она следит за буфером обмена, сообщает уведомлением о том, что вы скопировали, и по запросу преобразует текст в буфере обмена, так что при следующей вставке в любом месте вставляется уже новый текст.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Сообщает о скопированном тексте, а также о файлах и папках, скопированных в файловом менеджере; то, что менеджеры паролей помечают как секретное, никогда не показывается</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Семь действий с текстом: каждое слово с прописной, все строчные, все прописные, snake case, удаление форматирования текста, удаление лишних пробелов и удаление всех пробелов</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Сохраняет содержимое буфера обмена после закрытия программы, из которой оно скопировано, но никогда — секреты менеджеров паролей</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Выполняет действия с текстом по комбинации клавиш с помощью nimbrel --action или из скриптов через D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
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
        <translation>Убрать форматирование</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Параметры вставки</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Текст в буфере обмена:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Действие с текстом:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Применить действие с текстом к буферу обмена (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Выполнить</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>буфер обмена недоступен; он останется пустым</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>StatusNotifierWatcher покинул сеансовую шину</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>на сеансовой шине нет StatusNotifierWatcher</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>значок в системном лотке — StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>StatusNotifierWatcher отклонил элемент: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>системного лотка пока нет (%1); значок появится, когда запустится панель</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>значок помещается в системный лоток X11 (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (после %n изменения, о котором не сообщалось)</numerusform>
            <numerusform> (после %n изменений, о которых не сообщалось)</numerusform>
            <numerusform> (после %n изменений, о которых не сообщалось)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>потеряно соединение X11, через которое предоставляется буфер обмена; повторное подключение</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>буфер обмена снова предоставляется</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Параметры Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Уведомления&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Уведомлять о копировании текста в буфер обмена</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Уведомлять о копировании файлов и папок в буфер обмена</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Буфер обмена&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Сохранять содержимое буфера обмена после закрытия программы, из которой оно скопировано</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Автозапуск&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Запускать Nimbrel при входе в систему</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>нет сеансовой шины (%1); уведомления и управление через скрипты отключены</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>не удалось открыть дисплей X11 «%1»; в сеансе Wayland его предоставляет XWayland</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; буфер обмена читается через X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>не удалось предоставить интерфейс для скриптов на сеансовой шине</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Действия с текстом…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Очистить буфер обмена</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Параметры…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>не удалось настроить обработку сигналов завершения</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Каждое слово с прописной</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Все строчные</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Все прописные</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Snake case (через_подчёркивание)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Удалить форматирование текста</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Удалить лишние пробелы</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Удалить все пробелы</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>композитор Wayland закрыл устройство data-control буфера обмена</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>потеряно соединение с буфером обмена композитора Wayland; повторное подключение</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>буфер обмена композитора Wayland снова читается</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; завершение работы</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>запись заменила %n более новую копию в буфере обмена, прежде чем её успели прочитать</numerusform>
            <numerusform>запись заменила %n более новые копии в буфере обмена, прежде чем их успели прочитать</numerusform>
            <numerusform>запись заменила %n более новых копий в буфере обмена, прежде чем их успели прочитать</numerusform>
        </translation>
    </message>
</context>
</TS>
