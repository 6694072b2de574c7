<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>%1 にあるプログラムはデスクトップエントリから実行できません</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>セッションバスが応答しませんでした: %1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel は実行されていません</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>%1 に失敗しました: %2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel が %1 に予期しない応答を返しました</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>DBUS_SESSION_BUS_ADDRESS が設定されておらず、XDG_RUNTIME_DIR にもバスがありません</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>接続できません</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>%1 のバスが %2 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>応答がありません</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>クリップボードにアクセスできません</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>%1 バイトより長いタイトルのテキスト操作はありません</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>クリップボードを読み取る X11 接続が切れたため、再接続します</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>X ディスプレイに再接続しました</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>X ディスプレイ %1 がなくなったため、終了します</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>テキスト操作のタイトルを 1 行に 1 つずつ出力します。</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>クリップボードを空にします。</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>設定ウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>「貼り付け項目のオプション」ウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>システムトレイ用のクリップボードユーティリティです。オプションなしで実行すると
Nimbrel を起動するか、実行中の Nimbrel の設定を開きます。ほかのオプションは
実行中の Nimbrel に要求を送るだけで、Nimbrel を新たに起動することはありません。
終了ステータス: 0 完了、1 何も書き換えなかったかタイトルが不明、
2 コマンドラインが不正か Nimbrel が実行されていない。</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>この（英語の）タイトルのテキスト操作をクリップボードに対して実行します。</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」があります。</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>--action、--list-actions、--clear、--settings、--options は一度に 1 つだけ指定してください。</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>「%1」というタイトルのテキスト操作はありません。タイトルは次のとおりです:
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>書き換えるものがありません: クリップボードにこの操作を適用できるテキストがありません</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>ウィンドウは開きませんでした: クリップボードにテキストがありません</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>クリップボードを空にしましたが、%1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>セッションバスがありません: %1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 nimbrel --help を参照してください。</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>接続先の Wayland コンポジターがありません</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>Wayland コンポジターが応答しませんでした</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>Wayland コンポジターが data-control プロトコルを提供していません</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>Wayland コンポジターに seat がありません</translation>
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
        <translation>クリップボードユーティリティ</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>クリップボードの変更を通知し、クリップボードのテキストを書き換えます</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>クリップボード;テキスト;大文字;小文字;空白;スペース;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>%1 と同じ場所にファイルを作成できません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>読み取れない %1 を退避できません: 以前に退避したファイルがすでに %2 個あります</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>読み取れない %1 を退避できません: %2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1。今後の変更を保存できるようになるまで、現在の設定をそのまま使います</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>別のプログラムがクリップボードの内容を元に戻しました</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>別のプログラム（%1）がクリップボードの内容を元に戻しました</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>%1 MiB を超えるコピーは、コピー元のプログラムが終了すると保持されません</translation>
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
        <translation>クリップボードの変更を通知し、クリップボードのテキストを書き換える</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel はシステムトレイに常駐する小さなクリップボードユーティリティです。クリップボードを監視してコピーした内容をデスクトップ通知で知らせ、必要に応じてクリップボードのテキストを書き換えます。書き換えた後は、どこに貼り付けても新しいテキストが貼り付けられます。</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>コピーしたテキストや、ファイルマネージャーでコピーしたファイルとフォルダーを通知します。パスワードマネージャーが機密としてマークしたものは決して表示しません</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>7 つのテキスト操作: 各単語の先頭を大文字に、小文字に変換、大文字に変換、スネークケース（snake_case）、リッチテキストの書式を削除、余分な空白を削除、すべての空白を削除</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>コピー元のプログラムが終了してもクリップボードの内容を保持します。ただし、パスワードマネージャーの機密情報は保持しません</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>nimbrel --action を使ってキーボードショートカットから、または D-Bus 経由でスクリプトからテキスト操作を実行できます</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
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
        <translation>書式をクリア</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>貼り付け項目のオプション</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>クリップボードのテキスト:</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>テキスト操作:</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>クリップボードに対してテキスト操作を実行します（Ctrl+Return）</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>クリップボードにアクセスできないため、クリップボードは空のままです</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>StatusNotifierWatcher がセッションバスから離脱しました</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>セッションバスに StatusNotifierWatcher がありません</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>トレイアイコンを StatusNotifierItem として表示します</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>StatusNotifierWatcher がアイテムを拒否しました: %1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>まだトレイがありません（%1）。パネルが起動するとアイコンが表示されます</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>トレイアイコンを X11 のシステムトレイに表示します（%1）</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> （この前に未報告の変更が %n 件あります）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>クリップボードを提供する X11 接続が切れたため、再接続します</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>クリップボードの提供を再開しました</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Nimbrel の設定</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;通知&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>クリップボードにコピーされたテキストを通知する</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>クリップボードにコピーされたファイルとフォルダーを通知する</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;クリップボード&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>コピー元のプログラムが終了してもクリップボードの内容を保持する</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;起動&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>ログイン時に Nimbrel を起動する</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>セッションバスがありません（%1）。通知とスクリプト機能は無効です</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>X11 ディスプレイ「%1」を開けません。Wayland では XWayland がディスプレイを提供します</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1。クリップボードは X11 経由で読み取ります</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>セッションバスでスクリプトインターフェイスを提供できません</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>テキスト操作…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>クリップボードをクリア</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>終了シグナルを処理できません</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>各単語の先頭を大文字に</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>小文字に変換</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>大文字に変換</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>スネークケース（snake_case）</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>リッチテキストの書式を削除</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>余分な空白を削除</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>すべての空白を削除</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>Wayland コンポジターがクリップボードの data-control デバイスを終了しました</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>Wayland コンポジターのクリップボードへの接続が切れたため、再接続します</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>Wayland コンポジターのクリップボードの読み取りを再開しました</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1。終了します</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>書き込みにより、クリップボード上のより新しいコピー %n 件が読み取られる前に置き換えられました</numerusform>
        </translation>
    </message>
</context>
</TS>
