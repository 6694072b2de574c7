<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1 silinemiyor: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>bir masaüstü girdisi %1 konumundaki programı çalıştıramaz</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>oturum veri yolu yanıt vermedi: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel çalışmıyor</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>bellek yetersiz</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>%1 başarısız oldu: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel, %1 çağrısına beklenmedik bir yanıt verdi</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>DBUS_SESSION_BUS_ADDRESS ayarlanmamış ve XDG_RUNTIME_DIR içinde de veri yolu yok</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>bağlanılamıyor</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>%1 adresindeki veri yolu %2 sn içinde yanıt vermedi</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>yanıt yok</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>panoya erişilemiyor</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>hiçbir metin eyleminin başlığı %1 bayttan uzun değil</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>panoyu okuyan X11 bağlantısı koptu; yeniden bağlanılıyor</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>X ekranına yeniden bağlanıldı</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>X ekranı %1 artık yok; çıkılıyor</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>Metin eylemlerinin başlıklarını, her satıra bir tane olmak üzere yazdırır.</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>Panoyu boşaltır.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Ayarlar penceresini açar.</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>Yapıştırma Seçenekleri penceresini açar.</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>Sistem tepsisi için pano aracı. Seçenek verilmezse Nimbrel&apos;i başlatır ya da çalışan
Nimbrel&apos;in ayarlarını açar. Diğer seçenekler çalışan Nimbrel&apos;e başvurur ve hiçbir
zaman yenisini başlatmaz.
Çıkış durumu: 0 tamamlandı, 1 hiçbir şey yeniden yazılmadı ya da başlık bilinmiyor,
2 hatalı komut satırı ya da çalışan Nimbrel yok.</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>Bu yardımı yazdırır.</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>Sürümü yazdırır.</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>Bu (İngilizce) başlığı taşıyan metin eylemini panoya uygular.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>başlık</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman: “%1”.</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>--action, --list-actions, --clear, --settings ve --options seçeneklerinden aynı anda yalnızca birini verin.</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>“%1” başlıklı bir metin eylemi yok; başlıklar şunlar:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>yeniden yazılacak bir şey yok: panoda bu eylemin uygulanabileceği bir metin yok</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>pencere açılmadı: panoda metin yok</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>pano boşaltıldı, ancak %1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>oturum veri yolu yok: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 Ayrıntılar için nimbrel --help komutuna bakın.</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>bağlanılacak bir Wayland birleştiricisi yok</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>Wayland birleştiricisi yanıt vermedi</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>Wayland birleştiricisi hiçbir data-control protokolü sunmuyor</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>Wayland birleştiricisinde hiç seat yok</translation>
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
        <translation>Pano Aracı</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Pano değişikliklerini bildirir ve panodaki metni yeniden yazar</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>pano;metin;büyük harf;küçük harf;boşluk;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>%1 dosyasının yanında dosya oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>okunamayan %1 kenara alınamıyor: daha önce kenara alınmış %2 dosya engel oluyor</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>okunamayan %1 kenara alınamıyor: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1; ayarlar, sonraki bir değişiklik kaydedilebilene kadar geçerli kalacak</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 normal bir dosya değil</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>başka bir program panonun içeriğini geri koydu</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>başka bir program (%1) panonun içeriğini geri koydu</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>%1 MiB üzerindeki bir kopya, kopyalandığı program kapandığında korunmaz</translation>
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
        <translation>Pano değişikliklerini bildir ve panodaki metni yeniden yaz</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel, sistem tepsisinde çalışan küçük bir pano aracıdır. Panoyu izler, kopyaladığınız şeyi bir masaüstü bildirimiyle duyurur ve istek üzerine panodaki metni yeniden yazar; böylece nereye yapıştırırsanız yapıştırın, bir sonraki yapıştırmada yeni metin gelir.</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Kopyalanan metni ve dosya yöneticisinde kopyalanan dosya ve klasörleri bildirir; parola yöneticilerinin gizli olarak işaretlediği içerik asla gösterilmez</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Yedi metin eylemi: sözcüklerin ilk harfini büyütme, küçük harfe çevirme, büyük harfe çevirme, alt çizgiyle birleştirme (snake_case), zengin metin biçimlendirmesini kaldırma, fazla boşlukları kaldırma ve tüm boşlukları kaldırma</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Kopyalandığı program kapandığında pano içeriğini korur, ancak bir parola yöneticisinin gizli içeriğini asla korumaz</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>Metin eylemlerini nimbrel --action ile bir klavye kısayolundan ya da D-Bus üzerinden betiklerden çalıştırır</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n dosya</numerusform>
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
        <translation>Biçimlendirmeyi temizle</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>Yapıştırma Seçenekleri</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>Panodaki metin:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>Metin eylemi:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>Metin eylemini panoya uygula (Ctrl+Return)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Çalıştır</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>panoya erişilemiyor; pano boş kalıyor</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>StatusNotifierWatcher oturum veri yolundan ayrıldı</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>oturum veri yolunda StatusNotifierWatcher yok</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>tepsi simgesi bir StatusNotifierItem olarak gösteriliyor</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>StatusNotifierWatcher öğeyi reddetti: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>henüz sistem tepsisi yok (%1); simge, bir panel başladığında görünecek</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>tepsi simgesi X11 sistem tepsisine yerleştiriliyor (%1)</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>Aç</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> (bildirilmeyen %n değişikliğin ardından)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>panoyu sunan X11 bağlantısı koptu; yeniden bağlanılıyor</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>pano yeniden sunuluyor</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Nimbrel Ayarları</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bildirimler&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>Panoya kopyalanan metni bildir</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>Panoya kopyalanan dosya ve klasörleri bildir</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pano&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>Kopyalandığı program kapandığında pano içeriğini koru</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;Başlangıç&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>Oturum açtığımda Nimbrel&apos;i başlat</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>oturum veri yolu yok (%1); bildirimler ve betik desteği kapalı</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>“%1” X11 ekranı açılamıyor; Wayland oturumlarında bunu XWayland sağlar</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1; pano X11 üzerinden okunuyor</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>betik arayüzü oturum veri yolunda sunulamıyor</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>Metin eylemleri…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>Panoyu temizle</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>sonlandırma sinyalleri işlenemiyor</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>Sözcüklerin ilk harfini büyüt</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Küçük harfe çevir</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Büyük harfe çevir</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>Alt çizgiyle birleştir (snake_case)</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>Zengin metin biçimlendirmesini kaldır</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>Fazla boşlukları kaldır</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>Tüm boşlukları kaldır</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>Wayland birleştiricisi panonun data-control aygıtını sonlandırdı</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>Wayland birleştiricisinin panosuyla bağlantı koptu; yeniden bağlanılıyor</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>Wayland birleştiricisinin panosu yeniden okunuyor</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1; çıkılıyor</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>panodaki daha yeni %n kopya, okunamadan bir yazma işlemiyle değiştirildi</numerusform>
        </translation>
    </message>
</context>
</TS>
