<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>تعذّرت إزالة %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>لا يمكن لمُدخل سطح المكتب تشغيل البرنامج الموجود في %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>لم يستجب ناقل الجلسة: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel لا يعمل</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>فشل %1: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>ردّ Nimbrel على %1 بجواب غير متوقع</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>المتغير DBUS_SESSION_BUS_ADDRESS غير مضبوط، ولا يوجد ناقل في XDG_RUNTIME_DIR</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>تعذّر الاتصال</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>لم يستجب الناقل في %1 خلال %2 ثانية</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>لا رد</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>تعذّر الوصول إلى الحافظة</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>لا يتجاوز طول عنوان أي إجراء نص %1 بايت</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>انقطع اتصال X11 الذي تُقرأ عبره الحافظة؛ جارٍ الاتصال من جديد</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>عاد الاتصال بشاشة X</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>اختفت شاشة X ‏%1؛ جارٍ الإنهاء</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>يطبع عناوين إجراءات النص، عنوانًا في كل سطر.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>يُفرغ الحافظة.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>يفتح نافذة الإعدادات.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>يفتح نافذة خيارات عنصر اللصق.</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>أداة للحافظة في شريط النظام. دون خيارات يبدأ Nimbrel، أو تُفتح إعدادات النسخة العاملة منه.
أما الخيارات الأخرى فتخاطب Nimbrel العامل ولا تبدأ نسخة جديدة أبدًا.
حالة الخروج: 0 تم، 1 لم يُعَد كتابة شيء أو العنوان غير معروف، 2 سطر أوامر خاطئ
أو لا يوجد Nimbrel عامل.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>يطبع هذه المساعدة.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>يطبع الإصدار.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>ينفّذ على الحافظة إجراء النص الذي يحمل هذا العنوان (بالإنجليزية).</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>معامل غير متوقع &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>استخدم خيارًا واحدًا فقط في كل مرة من الخيارات ‎--action و‎--list-actions و‎--clear و‎--settings و‎--options.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>لا يوجد إجراء نص بالعنوان &quot;%1&quot;؛ العناوين هي:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>لا شيء لإعادة كتابته: لا تحوي الحافظة نصًا ينطبق عليه هذا الإجراء</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>لم تُفتح أي نافذة: لا تحوي الحافظة أي نص</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>أُفرغت الحافظة، لكن %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>لا يوجد ناقل جلسة: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 راجع ‎nimbrel --help.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>لا يوجد مُركِّب Wayland للاتصال به</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>لم يستجب مُركِّب Wayland</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>لا يوفّر مُركِّب Wayland بروتوكول data-control</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>لا يملك مُركِّب Wayland مقعدًا (seat)</translation>
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
        <translation>أداة الحافظة</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>يُشعر بتغييرات الحافظة ويعيد كتابة نصها</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>حافظة;نص;أحرف كبيرة;أحرف صغيرة;مسافات;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>تعذّر إنشاء ملف بجانب %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>تعذّر إبعاد الملف غير المقروء %1: تعترضه %2 نسخة سابقة</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>تعذّر إبعاد الملف غير المقروء %1: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1؛ تبقى الإعدادات سارية إلى أن يمكن حفظ تغيير لاحق</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>أعاد برنامج آخر محتوى الحافظة</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>أعاد برنامج آخر (%1) محتوى الحافظة</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>لا يُحتفظ بنسخة يزيد حجمها على %1 ميبيبايت عند إنهاء البرنامج الذي نسخها</translation>
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
        <translation>إشعار بتغييرات الحافظة وإعادة كتابة نصها</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel أداة صغيرة للحافظة تعمل من شريط النظام. تراقب الحافظة، وتُعلمك بما تنسخه عبر إشعار على سطح المكتب، وتعيد كتابة نص الحافظة عند الطلب، فيلصق اللصقُ التالي النصَّ الجديد في أي مكان.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>تُشعر بالنص المنسوخ وبالملفات والمجلدات المنسوخة في مدير الملفات، ولا تعرض أبدًا ما تَسِمه برامج إدارة كلمات السر بأنه سري</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>سبعة إجراءات للنص: تكبير أول حرف من كل كلمة، وأحرف صغيرة، وأحرف كبيرة، ووصل الكلمات بشرطة سفلية، وإزالة تنسيق النص المنسّق، وإزالة المسافات المتكررة، وإزالة كل المسافات</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>تحتفظ بمحتوى الحافظة عند إنهاء البرنامج الذي نسخه، ولا تحتفظ أبدًا بسرّ من برنامج لإدارة كلمات السر</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>تنفّذ إجراءات النص من اختصار لوحة المفاتيح عبر ‎nimbrel --action، أو من السكربتات عبر D-Bus</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>لا ملفات</numerusform>
            <numerusform>ملف واحد</numerusform>
            <numerusform>ملفان</numerusform>
            <numerusform>%n ملفات</numerusform>
            <numerusform>%n ملفًا</numerusform>
            <numerusform>%n ملف</numerusform>
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
        <translation>إزالة التنسيق</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>خيارات عنصر اللصق</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>نص الحافظة:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>إجراء النص:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>تنفيذ إجراء النص على الحافظة (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>تنفيذ</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>تعذّر الوصول إلى الحافظة؛ ستبقى فارغة</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>غادر StatusNotifierWatcher ناقل الجلسة</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>لا يوجد StatusNotifierWatcher على ناقل الجلسة</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>أيقونة شريط النظام من نوع StatusNotifierItem</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>رفض StatusNotifierWatcher العنصر: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>لا يوجد شريط نظام بعد (%1)؛ ستظهر الأيقونة عندما تبدأ لوحة</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>توضع الأيقونة في شريط نظام X11 (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>فتح</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (دون تغييرات لم يُبلَّغ عنها)</numerusform>
            <numerusform> (بعد تغيير واحد لم يُبلَّغ عنه)</numerusform>
            <numerusform> (بعد تغييرين لم يُبلَّغ عنهما)</numerusform>
            <numerusform> (بعد %n تغييرات لم يُبلَّغ عنها)</numerusform>
            <numerusform> (بعد %n تغييرًا لم يُبلَّغ عنها)</numerusform>
            <numerusform> (بعد %n تغيير لم يُبلَّغ عنها)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>انقطع اتصال X11 الذي تُقدَّم عبره الحافظة؛ جارٍ الاتصال من جديد</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>عاد تقديم الحافظة</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>إعدادات Nimbrel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;الإشعارات&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>الإشعار بالنص المنسوخ إلى الحافظة</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>الإشعار بالملفات والمجلدات المنسوخة إلى الحافظة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;الحافظة&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>الاحتفاظ بمحتوى الحافظة عند إنهاء البرنامج الذي نسخه</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;بدء التشغيل&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>تشغيل Nimbrel عند تسجيل دخولي</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>لا يوجد ناقل جلسة (%1)؛ الإشعارات والتحكم عبر السكربتات معطّلة</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>تعذّر فتح شاشة X11 &quot;%1&quot;؛ في Wayland يوفّر XWayland شاشةً</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1؛ تُقرأ الحافظة عبر X11</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>تعذّر تقديم واجهة السكربتات على ناقل الجلسة</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>إجراءات النص…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>مسح الحافظة</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>تعذّرت معالجة إشارات الإنهاء</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>تكبير أول حرف من كل كلمة</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>أحرف صغيرة</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>أحرف كبيرة</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>وصل الكلمات بشرطة سفلية</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>إزالة تنسيق النص المنسّق</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>إزالة المسافات المتكررة</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>إزالة كل المسافات</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>أنهى مُركِّب Wayland جهاز data-control الخاص بالحافظة</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>انقطع الاتصال بحافظة مُركِّب Wayland؛ جارٍ الاتصال من جديد</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>عادت قراءة حافظة مُركِّب Wayland</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1؛ جارٍ الإنهاء</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>لم تستبدل الكتابة أي نسخة أحدث في الحافظة</numerusform>
            <numerusform>استبدلت الكتابة نسخة واحدة أحدث في الحافظة قبل أن تُقرأ</numerusform>
            <numerusform>استبدلت الكتابة نسختين أحدث في الحافظة قبل أن تُقرآ</numerusform>
            <numerusform>استبدلت الكتابة %n نسخ أحدث في الحافظة قبل أن تُقرأ</numerusform>
            <numerusform>استبدلت الكتابة %n نسخةً أحدث في الحافظة قبل أن تُقرأ</numerusform>
            <numerusform>استبدلت الكتابة %n نسخة أحدث في الحافظة قبل أن تُقرأ</numerusform>
        </translation>
    </message>
</context>
</TS>
