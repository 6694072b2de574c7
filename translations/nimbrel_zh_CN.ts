<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AutostartLoginItem</name>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 why it cannot be written</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>a desktop entry cannot run the program at %1</source>
        <translation>桌面条目无法运行位于 %1 的程序</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
<context>
    <name>BusClient</name>
    <message>
        <source>the session bus did not answer: %1</source>
        <translation>会话总线没有响应：%1</translation>
    </message>
    <message>
        <source>Nimbrel is not running</source>
        <translation>Nimbrel 未在运行</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <extracomment>%1 is the name of a method of the scripting interface, %2 why it failed</extracomment>
        <translation>%1 失败：%2</translation>
    </message>
    <message>
        <source>Nimbrel answered %1 with an unexpected reply</source>
        <translation>Nimbrel 对 %1 返回了意外的回复</translation>
    </message>
</context>
<context>
    <name>BusConnection</name>
    <message>
        <source>DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus</source>
        <translation>未设置 DBUS_SESSION_BUS_ADDRESS，且 XDG_RUNTIME_DIR 中也没有总线</translation>
    </message>
    <message>
        <source>cannot connect</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>the bus at %1 did not answer within %2 s</source>
        <extracomment>%1 is the bus&apos;s address, %2 a number of seconds</extracomment>
        <translation>位于 %1 的总线未在 %2 秒内响应</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无响应</translation>
    </message>
</context>
<context>
    <name>BusService</name>
    <message>
        <source>the clipboard cannot be reached</source>
        <translation>无法访问剪贴板</translation>
    </message>
    <message>
        <source>no text action&apos;s title is longer than %1 bytes</source>
        <translation>没有任何文本操作的标题超过 %1 字节</translation>
    </message>
</context>
<context>
    <name>ClipboardWatcher</name>
    <message>
        <source>lost the X11 connection that reads the clipboard; connecting again</source>
        <translation>用于读取剪贴板的 X11 连接已断开；正在重新连接</translation>
    </message>
    <message>
        <source>connected to the X display again</source>
        <translation>已重新连接到 X 显示</translation>
    </message>
    <message>
        <source>the X display %1 is gone; quitting</source>
        <translation>X 显示 %1 已不存在；正在退出</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the titles of the text actions, one a line.</source>
        <translation>列出文本操作的标题，每行一个。</translation>
    </message>
    <message>
        <source>Empty the clipboard.</source>
        <translation>清空剪贴板。</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>打开设置窗口。</translation>
    </message>
    <message>
        <source>Open the paste item options window.</source>
        <translation>打开“粘贴项选项”窗口。</translation>
    </message>
    <message>
        <source>Clipboard utility for the desktop tray. Without options, starts Nimbrel, or opens the
running one&apos;s settings. The other options ask the running Nimbrel and never start one.
Exit status: 0 done, 1 nothing rewritten or an unknown title, 2 a bad command line
or no running Nimbrel.</source>
        <extracomment>The options, their titles and the exit statuses are the same in every language</extracomment>
        <translation>用于系统托盘的剪贴板工具。不带选项时启动 Nimbrel，或打开正在运行的 Nimbrel 的设置。
其他选项只向正在运行的 Nimbrel 发出请求，从不启动新的 Nimbrel。
退出状态：0 完成，1 未改写任何内容或标题未知，2 命令行有误或 Nimbrel 未在运行。</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Print the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>Run the text action with this title on the clipboard.</source>
        <extracomment>The title is the English one in every language, as --list-actions prints it</extracomment>
        <translation>对剪贴板运行具有此（英文）标题的文本操作。</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>What --action takes, shown as --action &lt;title&gt;</extracomment>
        <translation>标题</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>Give one of --action, --list-actions, --clear, --settings and --options at a time.</source>
        <translation>--action、--list-actions、--clear、--settings 和 --options 每次只能指定其中一个。</translation>
    </message>
    <message>
        <source>no text action is titled &quot;%1&quot;; the titles are:
%2</source>
        <translation>没有标题为“%1”的文本操作；可用的标题有：
%2</translation>
    </message>
    <message>
        <source>nothing to rewrite: the clipboard holds no text this action applies to</source>
        <translation>没有可改写的内容：剪贴板中没有此操作适用的文本</translation>
    </message>
    <message>
        <source>no window opened: the clipboard holds no text</source>
        <translation>未打开窗口：剪贴板中没有文本</translation>
    </message>
    <message>
        <source>the clipboard was emptied, but %1</source>
        <extracomment>%1 says why: &quot;another program put the clipboard&apos;s contents back&quot;</extracomment>
        <translation>剪贴板已清空，但%1</translation>
    </message>
    <message>
        <source>no session bus: %1</source>
        <translation>没有会话总线：%1</translation>
    </message>
    <message>
        <source>%1 See nimbrel --help.</source>
        <translation>%1 请参阅 nimbrel --help。</translation>
    </message>
</context>
<context>
    <name>DataControlConnection</name>
    <message>
        <source>no Wayland compositor to connect to</source>
        <translation>没有可连接的 Wayland 合成器</translation>
    </message>
    <message>
        <source>the Wayland compositor did not answer</source>
        <translation>Wayland 合成器没有响应</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no data-control protocol</source>
        <translation>Wayland 合成器未提供 data-control 协议</translation>
    </message>
    <message>
        <source>the Wayland compositor has no seat</source>
        <translation>Wayland 合成器没有 seat</translation>
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
        <translation>剪贴板工具</translation>
    </message>
    <message>
        <source>Announces clipboard changes and rewrites clipboard text</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>通知剪贴板的变化并改写剪贴板中的文本</translation>
    </message>
    <message>
        <source>clipboard;text;case;whitespace;</source>
        <extracomment>Words to find the program by in a menu&apos;s search, each followed by a semicolon</extracomment>
        <translation>剪贴板;剪切板;文本;大小写;大写;小写;空白;空格;</translation>
    </message>
</context>
<context>
    <name>JsonUserDefaults</name>
    <message>
        <source>cannot create a file beside %1: %2</source>
        <translation>无法在 %1 旁边创建文件：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2 earlier ones are in the way</source>
        <translation>无法将不可读的 %1 移到一旁：先前移开的 %2 个文件已占用了所有名称</translation>
    </message>
    <message>
        <source>cannot set aside the unreadable %1: %2</source>
        <translation>无法将不可读的 %1 移到一旁：%2</translation>
    </message>
    <message>
        <source>%1; the settings are kept until a later change can be saved</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>%1；在之后的更改能够保存之前，当前设置保持有效</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是常规文件</translation>
    </message>
</context>
<context>
    <name>KeeperAwareClearing</name>
    <message>
        <source>another program put the clipboard&apos;s contents back</source>
        <translation>另一个程序恢复了剪贴板的内容</translation>
    </message>
    <message>
        <source>another program (%1) put the clipboard&apos;s contents back</source>
        <extracomment>%1 is the name of the program, as in &quot;(xfce4-clipman)&quot;</extracomment>
        <translation>另一个程序（%1）恢复了剪贴板的内容</translation>
    </message>
</context>
<context>
    <name>KeptContents</name>
    <message>
        <source>a copy of more than %1 MiB is not kept when the program that copied it quits</source>
        <translation>超过 %1 MiB 的复制内容在其来源程序退出后不会保留</translation>
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
        <translation>通知剪贴板的变化，改写剪贴板中的文本</translation>
    </message>
    <message>
        <source>Nimbrel is a small clipboard utility for the desktop tray. It watches the clipboard, announces what you copy with a desktop notification, and rewrites clipboard text on request, so that the next paste anywhere gets the new text.</source>
        <extracomment>A paragraph of the program&apos;s description in software centres</extracomment>
        <translation>Nimbrel 是一款驻留在系统托盘中的小巧剪贴板工具。它会监视剪贴板，用桌面通知告诉您复制了什么，并可按需改写剪贴板中的文本，这样下次无论在哪里粘贴，得到的都是新文本。</translation>
    </message>
    <message>
        <source>Announces copied text, and files and folders copied in a file manager; what password managers mark as secret is never shown</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>通知复制的文本，以及在文件管理器中复制的文件和文件夹；密码管理器标记为机密的内容绝不会显示</translation>
    </message>
    <message>
        <source>Seven text actions: capitalize, lowercase, uppercase, snake case, remove rich text formatting, remove multiple whitespace and remove all whitespace</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>七种文本操作：首字母大写、转为小写、转为大写、蛇形命名（snake_case）、清除富文本格式、删除多余空白和删除所有空白</translation>
    </message>
    <message>
        <source>Keeps the clipboard when the program that copied it quits, never a password manager&apos;s secret</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>复制内容的来源程序退出后仍保留剪贴板内容，但绝不保留密码管理器的机密</translation>
    </message>
    <message>
        <source>Runs the text actions from a keyboard shortcut with nimbrel --action, or from scripts over D-Bus</source>
        <extracomment>An item of the list in the program&apos;s description in software centres</extracomment>
        <translation>可通过键盘快捷键用 nimbrel --action 运行文本操作，也可在脚本中通过 D-Bus 运行</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source> files</source>
        <extracomment>The notification&apos;s text for files copied in a file manager, after their number: &quot;3 files&quot;. Write %n where the number goes.</extracomment>
        <translation>
            <numerusform>%n 个文件</numerusform>
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
        <translation>清除格式</translation>
    </message>
</context>
<context>
    <name>PasteItemOptionsWindow</name>
    <message>
        <source>Paste Item Options</source>
        <translation>粘贴项选项</translation>
    </message>
    <message>
        <source>Clipboard text:</source>
        <translation>剪贴板文本：</translation>
    </message>
    <message>
        <source>Text action:</source>
        <translation>文本操作：</translation>
    </message>
    <message>
        <source>Run the text action on the clipboard (Ctrl+Return)</source>
        <translation>对剪贴板运行文本操作（Ctrl+Return）</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
</context>
<context>
    <name>QtPasteboard</name>
    <message>
        <source>cannot reach the clipboard; it stays empty</source>
        <translation>无法访问剪贴板；剪贴板将保持为空</translation>
    </message>
</context>
<context>
    <name>QtStatusItem</name>
    <message>
        <source>the StatusNotifierWatcher left the session bus</source>
        <translation>StatusNotifierWatcher 已离开会话总线</translation>
    </message>
    <message>
        <source>no StatusNotifierWatcher on the session bus</source>
        <translation>会话总线上没有 StatusNotifierWatcher</translation>
    </message>
    <message>
        <source>the tray icon is a StatusNotifierItem</source>
        <translation>托盘图标以 StatusNotifierItem 形式显示</translation>
    </message>
    <message>
        <source>the StatusNotifierWatcher refused the item: %1</source>
        <translation>StatusNotifierWatcher 拒绝了该项目：%1</translation>
    </message>
    <message>
        <source>no tray yet (%1); the icon appears when a panel starts</source>
        <translation>尚无系统托盘（%1）；面板启动后图标就会出现</translation>
    </message>
    <message>
        <source>the tray icon goes to the X11 system tray (%1)</source>
        <translation>托盘图标将放入 X11 系统托盘（%1）</translation>
    </message>
</context>
<context>
    <name>QtUserNotificationCenter</name>
    <message>
        <source>Open</source>
        <extracomment>What clicking the notification does, where the notification service names it: open the window</extracomment>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>RateLimitedLog</name>
    <message numerus="yes">
        <source> (after %n changes not told)</source>
        <extracomment>Follows a line on standard error that stood for several changes: &quot;(after 3 changes not told)&quot;</extracomment>
        <translation>
            <numerusform> （此前另有 %n 次变化未报告）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWriter</name>
    <message>
        <source>lost the X11 connection that serves the clipboard; connecting again</source>
        <translation>用于提供剪贴板的 X11 连接已断开；正在重新连接</translation>
    </message>
    <message>
        <source>serving the clipboard again</source>
        <translation>已恢复提供剪贴板</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Nimbrel Settings</source>
        <translation>Nimbrel 设置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Notifications&lt;/b&gt;</source>
        <translation>&lt;b&gt;通知&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Announce text copied to the clipboard</source>
        <translation>文本复制到剪贴板时发出通知</translation>
    </message>
    <message>
        <source>Announce files and folders copied to the clipboard</source>
        <translation>文件和文件夹复制到剪贴板时发出通知</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clipboard&lt;/b&gt;</source>
        <translation>&lt;b&gt;剪贴板&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Keep the clipboard when the program that copied it quits</source>
        <translation>复制内容的来源程序退出后仍保留剪贴板内容</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startup&lt;/b&gt;</source>
        <translation>&lt;b&gt;启动&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start Nimbrel when I log in</source>
        <translation>登录时启动 Nimbrel</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>no session bus (%1); notifications and scripting are off</source>
        <translation>没有会话总线（%1）；通知和脚本功能已关闭</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;; on Wayland, XWayland provides one</source>
        <translation>无法打开 X11 显示“%1”；在 Wayland 下，它由 XWayland 提供</translation>
    </message>
    <message>
        <source>%1; the clipboard is read through X11</source>
        <translation>%1；改为通过 X11 读取剪贴板</translation>
    </message>
    <message>
        <source>cannot serve the scripting interface on the session bus</source>
        <translation>无法在会话总线上提供脚本接口</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Text actions…</source>
        <translation>文本操作…</translation>
    </message>
    <message>
        <source>Clear clipboard</source>
        <translation>清空剪贴板</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>TerminationSignals</name>
    <message>
        <source>cannot handle termination signals</source>
        <translation>无法处理终止信号</translation>
    </message>
</context>
<context>
    <name>TextAction</name>
    <message>
        <source>Capitalize</source>
        <translation>首字母大写</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>转为小写</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>转为大写</translation>
    </message>
    <message>
        <source>Snakecase</source>
        <translation>蛇形命名（snake_case）</translation>
    </message>
    <message>
        <source>Remove rich text formatting</source>
        <translation>清除富文本格式</translation>
    </message>
    <message>
        <source>Remove multiple whitespace</source>
        <translation>删除多余空白</translation>
    </message>
    <message>
        <source>Remove all whitespace</source>
        <translation>删除所有空白</translation>
    </message>
</context>
<context>
    <name>WaylandClipboard</name>
    <message>
        <source>the Wayland compositor ended the clipboard&apos;s data-control device</source>
        <translation>Wayland 合成器终止了剪贴板的 data-control 设备</translation>
    </message>
    <message>
        <source>lost the connection to the Wayland compositor&apos;s clipboard; connecting again</source>
        <translation>与 Wayland 合成器剪贴板的连接已断开；正在重新连接</translation>
    </message>
    <message>
        <source>reading the Wayland compositor&apos;s clipboard again</source>
        <translation>已恢复读取 Wayland 合成器的剪贴板</translation>
    </message>
    <message>
        <source>%1; quitting</source>
        <translation>%1；正在退出</translation>
    </message>
    <message numerus="yes">
        <source>a write replaced %n newer copies on the clipboard before they could be read</source>
        <translation>
            <numerusform>一次写入替换了剪贴板上 %n 份较新的复制内容，它们还未来得及被读取</numerusform>
        </translation>
    </message>
</context>
</TS>
