<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AutoSync</name>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>尚未读取任何字幕：请选择文件，或按“开始”读取已选择的文件。</translation>
    </message>
    <message>
        <source>The video could not be heard: %1</source>
        <translation>无法分析视频的音频：%1</translation>
    </message>
    <message>
        <source>The subtitles changed since the video was heard: sync again.</source>
        <translation>分析视频后字幕已更改：请重新同步。</translation>
    </message>
    <message>
        <source>The desktop&apos;s sound could not be recorded: %1</source>
        <translation>无法录制桌面的声音：%1</translation>
    </message>
    <message>
        <source>Too little speech in the minute heard: listen again while people talk.</source>
        <translation>所听的一分钟内语音太少：请在有人说话时再听一次。</translation>
    </message>
</context>
<context>
    <name>CuePane</name>
    <message>
        <source>Show or hide the Timing pane (Ctrl+T)</source>
        <translation>显示或隐藏计时窗格（Ctrl+T）</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Hold to time</source>
        <translation>按住计时</translation>
    </message>
    <message>
        <source>Hold down to make a cue: press at its start, let go at its end (or hold N)</source>
        <translation>按住以生成提示：开始时按下，结束时松开（或按住 N）</translation>
    </message>
    <message>
        <source>Open Script…</source>
        <translation>打开脚本…</translation>
    </message>
    <message>
        <source>A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines</source>
        <translation>纯文本脚本：每段一条字幕，段落之间以空行分隔</translation>
    </message>
    <message>
        <source>Save Cues As…</source>
        <translation>提示另存为…</translation>
    </message>
    <message>
        <source>Write the cues as a SubRip file</source>
        <translation>将提示写入 SubRip 文件</translation>
    </message>
    <message>
        <source>Copy as SRT</source>
        <translation>复制为 SRT</translation>
    </message>
    <message>
        <source>Put the cues on the clipboard as SubRip</source>
        <translation>将提示以 SubRip 格式放入剪贴板</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the selected cues (Delete)</source>
        <translation>删除所选提示（Delete）</translation>
    </message>
    <message>
        <source>No script: cues get empty texts. Hold N or the button to time one.</source>
        <translation>无脚本：提示文本为空。按住 N 或按钮来计时。</translation>
    </message>
    <message>
        <source>%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)</source>
        <translation>%1：下一段为第 %2 段，共 %3 段（Ctrl+右 跳过，Ctrl+左 返回）</translation>
    </message>
    <message>
        <source>%1: all %2 paragraphs used (Ctrl+Left goes back)</source>
        <translation>%1：全部 %2 段已使用（Ctrl+左 返回）</translation>
    </message>
    <message>
        <source>(end of the script)</source>
        <translation>（脚本结束）</translation>
    </message>
    <message>
        <source>Could not save the session to %1</source>
        <translation>无法将会话保存到 %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>no script</source>
        <translation>无脚本</translation>
    </message>
    <message>
        <source>Restore the last session? %1, begun %2, %3.</source>
        <translation>恢复上次的会话？%1，开始于 %2，%3。</translation>
    </message>
    <message>
        <source>1 cue</source>
        <translation>1 个提示</translation>
    </message>
    <message>
        <source>%1 cues</source>
        <translation>%1 个提示</translation>
    </message>
    <message>
        <source>Open Script</source>
        <translation>打开脚本</translation>
    </message>
    <message>
        <source>“%1” is not text in any encoding Subclock knows.</source>
        <translation>“%1”不是 Subclock 已知的任何编码的文本。</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>无法读取“%1”。</translation>
    </message>
    <message>
        <source>Save Cues As</source>
        <translation>提示另存为</translation>
    </message>
    <message>
        <source>The cues could not be written to “%1”.</source>
        <translation>无法将提示写入“%1”。</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>SubRip, Windows line endings (*.srt)</source>
        <translation>SubRip，Windows 换行符 (*.srt)</translation>
    </message>
    <message>
        <source>SubRip, Unix line endings (*.srt)</source>
        <translation>SubRip，Unix 换行符 (*.srt)</translation>
    </message>
    <message>
        <source>Take up the last session&apos;s cues and script again</source>
        <translation>重新载入上次会话的提示和脚本</translation>
    </message>
    <message>
        <source>Start afresh; the last session stays on disk</source>
        <translation>重新开始；上次的会话仍保存在磁盘上</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The cues made, with their times and texts; Delete removes the selected ones</source>
        <translation>已生成的提示及其时间和文本；按 Delete 删除所选项</translation>
    </message>
</context>
<context>
    <name>CueTableModel</name>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
</context>
<context>
    <name>Encodings</name>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>日语 (Shift JIS)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>日语 (EUC)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>日语 (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (ASCII)</source>
        <translation>西欧 (ASCII)</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>西欧</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>西欧 (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>西欧 (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>西欧 (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>西欧 (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>中欧 (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>中欧 (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>西里尔文 (Windows)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>西里尔文 (KOI8-R)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>乌克兰语 (KOI8-U)</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>乌克兰语</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>希腊语 (Windows)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>希腊语 (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>土耳其语 (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>希伯来语 (Windows)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来语</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>阿拉伯语 (Windows)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>波罗的语 (Windows)</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波罗的语</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>越南语 (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南语</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>泰语 (Windows、DOS)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰语</translation>
    </message>
    <message>
        <source>Chinese (GB 18030)</source>
        <translation>中文 (GB 18030)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Chinese (GBK)</source>
        <translation>中文 (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese (Big 5)</source>
        <translation>中文 (Big 5)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>韩语 (EUC)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Unicode (UTF-16)</source>
        <translation>Unicode (UTF-16)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16BE)</source>
        <translation>Unicode (UTF-16BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16LE)</source>
        <translation>Unicode (UTF-16LE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32)</source>
        <translation>Unicode (UTF-32)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32BE)</source>
        <translation>Unicode (UTF-32BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32LE)</source>
        <translation>Unicode (UTF-32LE)</translation>
    </message>
</context>
<context>
    <name>FollowSession</name>
    <message>
        <source>Waiting for a media player to follow.</source>
        <translation>正在等待可跟随的媒体播放器。</translation>
    </message>
    <message>
        <source>Waiting for a media player named “%1” to follow.</source>
        <translation>正在等待名为“%1”的媒体播放器以便跟随。</translation>
    </message>
    <message>
        <source>Own clock, paused at %1.</source>
        <translation>内部时钟，暂停于 %1。</translation>
    </message>
    <message>
        <source>Following %1.</source>
        <translation>正在跟随 %1。</translation>
    </message>
    <message>
        <source>Following %1; keeping the subtitles you chose.</source>
        <translation>正在跟随 %1；保留您选择的字幕。</translation>
    </message>
    <message>
        <source>%1 plays %2, not a local file: the subtitles stay as they are.</source>
        <translation>%1 正在播放 %2，不是本地文件：字幕保持不变。</translation>
    </message>
    <message>
        <source>No subtitles beside %1: the subtitles stay as they are.</source>
        <translation>%1 旁没有字幕：字幕保持不变。</translation>
    </message>
    <message>
        <source>Loaded %1 from %2, beside the video %3 plays.</source>
        <translation>已从 %2 载入 %1，与 %3 正在播放的视频位于同一位置。</translation>
    </message>
    <message>
        <source>%1 quit: back to the own clock, paused at %2.</source>
        <translation>%1 已退出：回到内部时钟，暂停于 %2。</translation>
    </message>
    <message>
        <source>%1 does not report its position.</source>
        <translation>%1 不报告播放位置。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 does not report its position: the time shown is the own clock&apos;s, pausing and resuming with it.</source>
        <translation>%1 不报告其位置：显示的是自身时钟的时间，随其暂停和继续。</translation>
    </message>
</context>
<context>
    <name>Following</name>
    <message>
        <source>Use own clock</source>
        <translation>使用内部时钟</translation>
    </message>
    <message>
        <source>Own clock</source>
        <translation>内部时钟</translation>
    </message>
    <message>
        <source>Count from Start, as without a player</source>
        <translation>从“开始”计时，与没有播放器时相同</translation>
    </message>
    <message>
        <source>Take the position from %1</source>
        <translation>从 %1 获取播放位置</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>%1 does not let others control it</source>
        <translation>%1 不允许其他程序控制</translation>
    </message>
    <message>
        <source>%1 does not allow pausing</source>
        <translation>%1 不允许暂停</translation>
    </message>
    <message>
        <source>%1 does not allow seeking</source>
        <translation>%1 不允许跳转</translation>
    </message>
    <message>
        <source>Stop following the player and count from Start again</source>
        <translation>停止跟随播放器，重新从“开始”计时</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Keys that work while another program has the focus need an X11 or Wayland desktop.</source>
        <translation>在其他程序拥有焦点时仍然有效的按键需要 X11 或 Wayland 桌面。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key combination (for example Ctrl+Alt+Space).</source>
        <translation>“%1”不是按键组合（例如 Ctrl+Alt+Space）。</translation>
    </message>
    <message>
        <source>%1 alone would be taken from every program: add Ctrl, Alt or Meta.</source>
        <translation>单独使用 %1 会让所有其他程序都无法使用该键：请加上 Ctrl、Alt 或 Meta。</translation>
    </message>
    <message>
        <source>%1 is already chosen for another action.</source>
        <translation>%1 已分配给另一个操作。</translation>
    </message>
    <message>
        <source>%1 is held by another program; choose other keys.</source>
        <translation>%1 已被其他程序占用；请选择其他按键。</translation>
    </message>
    <message>
        <source>On Wayland only the desktop can give a program keys that work while another has the focus, and the desktop has no global-shortcuts portal. Use the desktop&apos;s own shortcut settings to run &quot;playerctl -p subclock play-pause&quot; and the like.</source>
        <translation>在 Wayland 上，只有桌面能为程序提供在其他程序拥有焦点时仍然有效的按键，而此桌面没有全局快捷键门户。请在桌面自身的快捷键设置中运行“playerctl -p subclock play-pause”等命令。</translation>
    </message>
    <message>
        <source>The desktop gives these keys: it may ask you to confirm them, and they are changed in its own settings.</source>
        <translation>这些按键由桌面分配：桌面可能会请你确认，并在它自己的设置中更改。</translation>
    </message>
    <message>
        <source>This is a Wayland session and the desktop has no global-shortcuts portal: keys taken through XWayland work only while an X11 program has the focus.</source>
        <translation>这是 Wayland 会话，且桌面没有全局快捷键门户：通过 XWayland 获取的按键只在 X11 程序拥有焦点时有效。</translation>
    </message>
    <message>
        <source>Turn the keys on to ask the desktop for them.</source>
        <translation>启用按键以向桌面请求。</translation>
    </message>
    <message>
        <source>Asking the desktop for the keys…</source>
        <translation>正在向桌面请求按键…</translation>
    </message>
    <message>
        <source>The desktop gave these keys:</source>
        <translation>桌面分配了这些按键：</translation>
    </message>
    <message>
        <source>The desktop&apos;s dialog was cancelled: no keys were given.</source>
        <translation>桌面的对话框已取消：未分配任何按键。</translation>
    </message>
    <message>
        <source>The desktop did not give the keys.</source>
        <translation>桌面没有分配这些按键。</translation>
    </message>
    <message>
        <source>The desktop took the keys back.</source>
        <translation>桌面收回了这些按键。</translation>
    </message>
    <message>
        <source>Start or stop the subtitles</source>
        <translation>开始或停止字幕</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later</source>
        <translation>字幕延后 100 毫秒</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier</source>
        <translation>字幕提前 100 毫秒</translation>
    </message>
    <message>
        <source>To the previous subtitle</source>
        <translation>到上一条字幕</translation>
    </message>
    <message>
        <source>To the next subtitle</source>
        <translation>到下一条字幕</translation>
    </message>
</context>
<context>
    <name>MainCtrl</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>This file looks like %1.</source>
        <translation>此文件看起来是 %1。</translation>
    </message>
    <message>
        <source>Use these</source>
        <translation>使用这些</translation>
    </message>
    <message>
        <source>No subtitles found in %1</source>
        <translation>在 %1 中未找到字幕</translation>
    </message>
    <message>
        <source>Nothing loaded: no subtitles in %1.</source>
        <translation>未载入任何内容：%1 中没有字幕。</translation>
    </message>
    <message>
        <source>This looks like %1, which Subclock cannot read.</source>
        <translation>这看起来是 %1，Subclock 无法读取此格式。</translation>
    </message>
    <message>
        <source>This looks like %1. Subclock reads it with the encoding on Automatic; a chosen encoding reads SubRip (.srt) files only.</source>
        <translation>这看起来是 %1。将编码设为“自动”时 Subclock 可以读取它；手动选择编码时只能读取 SubRip (.srt) 文件。</translation>
    </message>
    <message>
        <source>This looks like %1, but no subtitles could be read in it.</source>
        <translation>这看起来是 %1，但未能从中读取任何字幕。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Subclock</source>
        <translation>Subclock</translation>
    </message>
    <message>
        <source>Playback position (hours:minutes:seconds:milliseconds)</source>
        <translation>播放位置（时:分:秒:毫秒）</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Skip back by the slider&apos;s seconds (Left)</source>
        <translation>按滑块的秒数向后跳（左）</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Start or stop playback (Space)</source>
        <translation>开始或停止播放（空格）</translation>
    </message>
    <message>
        <source>Fast-forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Skip ahead by the slider&apos;s seconds (Right)</source>
        <translation>按滑块的秒数向前跳（右）</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Back to 00:00:00:000 (Home)</source>
        <translation>回到 00:00:00:000（Home）</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Print the position to standard output; two marks make one time line (M)</source>
        <translation>将位置输出到标准输出；两次标记构成一行时间（M）</translation>
    </message>
    <message>
        <source>Skip (seconds):</source>
        <translation>跳过（秒）：</translation>
    </message>
    <message>
        <source>Seconds that Rewind and Fast-forward skip</source>
        <translation>快退和快进跳过的秒数</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>Choose a subtitle file (Ctrl+O)</source>
        <translation>选择字幕文件（Ctrl+O）</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>未选择文件</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>编码：</translation>
    </message>
    <message>
        <source>Text encoding of the file; Automatic finds it from the file</source>
        <translation>文件的文本编码；“自动”会从文件中识别</translation>
    </message>
    <message>
        <source>Line ending:</source>
        <translation>换行符：</translation>
    </message>
    <message>
        <source>Line ending of the file; Automatic finds it from the file</source>
        <translation>文件的换行符；“自动”会从文件中识别</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>CRLF (Windows)</source>
        <translation>CRLF (Windows)</translation>
    </message>
    <message>
        <source>LF (Unix, macOS)</source>
        <translation>LF（Unix、macOS）</translation>
    </message>
    <message>
        <source>CR (classic Mac)</source>
        <translation>CR（经典 Mac）</translation>
    </message>
</context>
<context>
    <name>MprisFollower</name>
    <message>
        <source>No session D-Bus to find media players on%1.</source>
        <translation>没有用于查找媒体播放器的会话 D-Bus%1。</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source> pt</source>
        <translation> 磅</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> % of the panel</source>
        <translation> %（面板宽度）</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>0 % shows the text only (on a desktop that composites windows)</source>
        <translation>0 % 时只显示文字（需要支持窗口合成的桌面）</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>文字颜色：</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>描边：</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>阴影：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>A translucent background needs a desktop that composites windows; without one it is drawn solid.</source>
        <translation>半透明背景需要支持窗口合成的桌面；否则将绘制为不透明。</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>对齐：</translation>
    </message>
    <message>
        <source>Maximum width:</source>
        <translation>最大宽度：</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>跟随系统（%1）</translation>
    </message>
    <message>
        <source>The language of the menus, buttons and messages</source>
        <translation>菜单、按钮和消息的语言</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>A change takes effect the next time Subclock starts.</source>
        <translation>更改将在下次启动 Subclock 时生效。</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>The typeface of the subtitles</source>
        <translation>字幕的字体</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>The size of the subtitles&apos; text, in points</source>
        <translation>字幕文字的大小（磅）</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Choose the colour of the text</source>
        <translation>选择文字的颜色</translation>
    </message>
    <message>
        <source>Outline width</source>
        <translation>描边宽度</translation>
    </message>
    <message>
        <source>The width of the outline around the letters</source>
        <translation>字母周围描边的宽度</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>描边颜色</translation>
    </message>
    <message>
        <source>Choose the colour of the outline</source>
        <translation>选择描边的颜色</translation>
    </message>
    <message>
        <source>Shadow offset</source>
        <translation>阴影偏移</translation>
    </message>
    <message>
        <source>How far the shadow falls from the letters</source>
        <translation>阴影离字母的距离</translation>
    </message>
    <message>
        <source>Shadow colour</source>
        <translation>阴影颜色</translation>
    </message>
    <message>
        <source>Choose the colour of the shadow</source>
        <translation>选择阴影的颜色</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Choose the colour of the band behind the text</source>
        <translation>选择文字后面色带的颜色</translation>
    </message>
    <message>
        <source>Background opacity</source>
        <translation>背景不透明度</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Where the lines sit in the panel</source>
        <translation>文字行在面板中的位置</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>最大宽度</translation>
    </message>
    <message>
        <source>The widest a line may be, as a share of the panel</source>
        <translation>一行的最大宽度（占面板的比例）</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>保留这些设置</translation>
    </message>
    <message>
        <source>Put the panel back as it was</source>
        <translation>将面板恢复原样</translation>
    </message>
    <message>
        <source>Show the panel&apos;s default look</source>
        <translation>显示面板的默认外观</translation>
    </message>
    <message>
        <source>Under the first, in the panel</source>
        <translation>第一字幕轨下方（面板中）</translation>
    </message>
    <message>
        <source>Over the first, in the panel</source>
        <translation>第一字幕轨上方（面板中）</translation>
    </message>
    <message>
        <source>At the top of the screen</source>
        <translation>屏幕顶部</translation>
    </message>
    <message>
        <source>e.g. en</source>
        <translation>例如 en</translation>
    </message>
    <message>
        <source>Following a player, movie.LANG.srt beside its video is loaded as the second track</source>
        <translation>跟随播放器时，将其视频旁的 movie.LANG.srt 载入为第二字幕轨</translation>
    </message>
    <message>
        <source>Shows:</source>
        <translation>显示位置：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Language beside a video:</source>
        <translation>视频旁字幕的语言：</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>第二字幕轨</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Keys work while another program has the focus</source>
        <translation>在其他程序拥有焦点时按键仍然有效</translation>
    </message>
    <message>
        <source>Start / Stop:</source>
        <translation>开始 / 停止：</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later:</source>
        <translation>字幕延后 100 毫秒：</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier:</source>
        <translation>字幕提前 100 毫秒：</translation>
    </message>
    <message>
        <source>Previous subtitle:</source>
        <translation>上一条字幕：</translation>
    </message>
    <message>
        <source>Next subtitle:</source>
        <translation>下一条字幕：</translation>
    </message>
    <message>
        <source>for example Ctrl+Alt+Space</source>
        <translation>例如 Ctrl+Alt+Space</translation>
    </message>
    <message>
        <source>Where the second track&apos;s line shows</source>
        <translation>第二字幕轨的文字显示的位置</translation>
    </message>
    <message>
        <source>The size of the second track&apos;s text, in points</source>
        <translation>第二字幕轨文字的大小（磅）</translation>
    </message>
    <message>
        <source>Choose the colour of the second track&apos;s text</source>
        <translation>选择第二字幕轨文字的颜色</translation>
    </message>
    <message>
        <source>Grab the keys below for Subclock on the whole desktop</source>
        <translation>在整个桌面上将下面的按键分配给 Subclock</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>无按键</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Plays a SubRip (.srt) subtitle file against a running clock.
Settings (encoding, line ending, last file, player followed) are kept in %1.</source>
        <translation>按运行中的时钟播放 SubRip (.srt) 字幕文件。
设置（编码、换行符、上次的文件、跟随的播放器）保存在 %1。</translation>
    </message>
    <message>
        <source>Subtitle file to choose at start-up.</source>
        <translation>启动时选择的字幕文件。</translation>
    </message>
    <message>
        <source>Append each cue made (by Mark or by holding N) to &lt;file&gt; as SubRip, flushed as it is made.</source>
        <translation>将每个生成的提示（通过标记或按住 N）立即以 SubRip 格式追加到 &lt;file&gt;。</translation>
    </message>
    <message>
        <source>Follow a media player: the first playing, or the one whose bus name or identity contains NAME (--follow=NAME).</source>
        <translation>跟随媒体播放器：第一个正在播放的，或总线名称或标识包含 NAME 的播放器（--follow=NAME）。</translation>
    </message>
    <message>
        <source>Line the subtitles up with the speech of &lt;video&gt; at start (Sync to Video).</source>
        <translation>启动时将字幕与 &lt;video&gt; 中的语音对齐（与视频同步）。</translation>
    </message>
    <message>
        <source>Publish what is shown on the session bus.</source>
        <translation>在会话总线上发布显示的内容。</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>计时</translation>
    </message>
    <message>
        <source>F&amp;ollow</source>
        <translation>跟随(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Choose File…	Ctrl+O</source>
        <translation>选择文件(&amp;C)…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>退出(&amp;Q)	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>首选项(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Show &amp;Panel</source>
        <translation>显示面板(&amp;P)</translation>
    </message>
    <message>
        <source>Show &amp;Markup</source>
        <translation>显示标记(&amp;M)</translation>
    </message>
    <message>
        <source>Panel Lets Clicks &amp;Through</source>
        <translation>面板允许点击穿透(&amp;T)</translation>
    </message>
    <message>
        <source>Clicks go through the panel: turn off</source>
        <translation>点击会穿过面板：关闭</translation>
    </message>
    <message>
        <source>Hide Panel</source>
        <translation>隐藏面板</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Plain text files (*.txt *.text)</source>
        <translation>纯文本文件 (*.txt *.text)</translation>
    </message>
    <message>
        <source>Subtitle files (%1)</source>
        <translation>字幕文件 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Choose a subtitle file</source>
        <translation>选择字幕文件</translation>
    </message>
    <message>
        <source>Let the panel take clicks again (Ctrl+Shift+P)</source>
        <translation>让面板重新接收点击（Ctrl+Shift+P）</translation>
    </message>
    <message>
        <source>A second subtitle track, shown with FILE on the same clock (another language, say).</source>
        <translation>第二条字幕轨，与 FILE 按同一时钟显示（例如另一种语言）。</translation>
    </message>
    <message>
        <source>Second Trac&amp;k…</source>
        <translation>第二字幕轨(&amp;2)…</translation>
    </message>
    <message>
        <source>Close Second Track</source>
        <translation>关闭第二字幕轨</translation>
    </message>
    <message>
        <source>Timing Keys Act &amp;On</source>
        <translation>时间调整键作用于(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;First Track</source>
        <translation>第一字幕轨(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;Second Track</source>
        <translation>第二字幕轨(&amp;2)</translation>
    </message>
    <message>
        <source>Show First Track</source>
        <translation>显示第一字幕轨</translation>
    </message>
    <message>
        <source>Show Second Track</source>
        <translation>显示第二字幕轨</translation>
    </message>
</context>
<context>
    <name>QtReadingView</name>
    <message>
        <source>Skipped blocks</source>
        <translation>跳过的块</translation>
    </message>
    <message>
        <source>Blocks skipped, by the line they start on: %1</source>
        <translation>跳过的块（按起始行）：%1</translation>
    </message>
    <message>
        <source>Recent messages:</source>
        <translation>最近的消息：</translation>
    </message>
    <message>
        <source>(which lines?)</source>
        <translation>（哪些行？）</translation>
    </message>
</context>
<context>
    <name>ReadingChoice</name>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 subtitle</source>
        <translation>%1 条字幕</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>%1 条字幕</translation>
    </message>
    <message>
        <source>%1 block skipped</source>
        <translation>跳过 %1 个块</translation>
    </message>
    <message>
        <source>%1 blocks skipped</source>
        <translation>跳过 %1 个块</translation>
    </message>
    <message>
        <source>%1 with %2 line endings</source>
        <translation>%1，换行符 %2</translation>
    </message>
    <message>
        <source>%1 fps assumed</source>
        <translation>假定 %1 帧/秒</translation>
    </message>
</context>
<context>
    <name>Resync</name>
    <message>
        <source>delay %1</source>
        <translation>延迟 %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>速度 %1</translation>
    </message>
    <message>
        <source>23.976 → 25 fps</source>
        <translation>23.976 → 25 帧/秒</translation>
    </message>
    <message>
        <source>25 → 23.976 fps</source>
        <translation>25 → 23.976 帧/秒</translation>
    </message>
    <message>
        <source>23.976 → 24 or 29.97 → 30 fps</source>
        <translation>23.976 → 24 或 29.97 → 30 帧/秒</translation>
    </message>
    <message>
        <source>24 → 23.976 or 30 → 29.97 fps</source>
        <translation>24 → 23.976 或 30 → 29.97 帧/秒</translation>
    </message>
    <message>
        <source>24 → 25 fps</source>
        <translation>24 → 25 帧/秒</translation>
    </message>
    <message>
        <source>25 → 24 fps</source>
        <translation>25 → 24 帧/秒</translation>
    </message>
    <message>
        <source>from %1 %2</source>
        <translation>自 %1 起 %2</translation>
    </message>
</context>
<context>
    <name>SeekBar</name>
    <message>
        <source>no subtitles</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>  after the end</source>
        <translation>  结束之后</translation>
    </message>
    <message>
        <source>Click or drag to seek</source>
        <translation>单击或拖动以跳转</translation>
    </message>
</context>
<context>
    <name>SpeechMatch</name>
    <message>
        <source>No speech found in the video.</source>
        <translation>视频中未找到语音。</translation>
    </message>
    <message>
        <source>No clear match between the subtitles and the speech.</source>
        <translation>字幕与语音之间没有明确的匹配。</translation>
    </message>
    <message>
        <source>delay %1</source>
        <translation>延迟 %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>自</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>likely</source>
        <translation>可能</translation>
    </message>
</context>
<context>
    <name>SubtitleList</name>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Show only the subtitles that contain this text</source>
        <translation>只显示包含此文本的字幕</translation>
    </message>
    <message>
        <source>Every subtitle of the file; double-click one to go to it</source>
        <translation>文件中的所有字幕；双击某条可跳转到该处</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>第二字幕轨</translation>
    </message>
</context>
<context>
    <name>SubtitleLoader</name>
    <message>
        <source>Reading %1…</source>
        <translation>正在读取 %1…</translation>
    </message>
</context>
<context>
    <name>SubtitlePanel</name>
    <message>
        <source>Subclock Subtitles</source>
        <translation>Subclock 字幕</translation>
    </message>
    <message>
        <source>The subtitle being shown</source>
        <translation>正在显示的字幕</translation>
    </message>
    <message>
        <source>Subtitles show here. Drag to move, drag an edge to resize; right-click for more.</source>
        <translation>字幕显示在此处。拖动可移动，拖动边缘可调整大小；右键单击查看更多。</translation>
    </message>
</context>
<context>
    <name>SubtitleTiming</name>
    <message>
        <source>timing restored: %1</source>
        <translation>已恢复时间调整：%1</translation>
    </message>
    <message>
        <source>No subtitle after this point to catch.</source>
        <translation>此处之后没有可对齐的字幕。</translation>
    </message>
    <message>
        <source>No subtitle before this point to catch.</source>
        <translation>此处之前没有可对齐的字幕。</translation>
    </message>
    <message>
        <source>Caught line %1.</source>
        <translation>已对齐第 %1 行。</translation>
    </message>
    <message>
        <source>Caught line %1: %2.</source>
        <translation>已对齐第 %1 行：%2。</translation>
    </message>
    <message>
        <source>Caught line %1: speed %2.</source>
        <translation>已对齐第 %1 行：速度 %2。</translation>
    </message>
    <message>
        <source>Caught line %1: no likely speed, delay only.</source>
        <translation>已对齐第 %1 行：没有合理的速度，仅调整延迟。</translation>
    </message>
    <message>
        <source>Caught line %1. One more a minute away solves the speed.</source>
        <translation>已对齐第 %1 行。再对齐一行相隔一分钟以上的字幕即可求出速度。</translation>
    </message>
</context>
<context>
    <name>SyncControls</name>
    <message>
        <source>Sync…</source>
        <translation>同步…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Subtitle timing: z/x move the subtitles by 100 ms</source>
        <translation>字幕时间调整：z/x 将字幕移动 100 毫秒</translation>
    </message>
    <message>
        <source>Sync to Video: find the delay and speed from the speech</source>
        <translation>与视频同步：根据语音求出延迟和速度</translation>
    </message>
    <message>
        <source>&amp;Subtitles</source>
        <translation>字幕(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Previous Subtitle</source>
        <translation>上一条字幕(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Subtitle</source>
        <translation>下一条字幕(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Go to Time…</source>
        <translation>跳转到时间(&amp;G)…</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Earlier</source>
        <translation>字幕提前 100 毫秒(&amp;E)</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Later</source>
        <translation>字幕延后 100 毫秒(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Catch Next Line Now</source>
        <translation>将下一行对齐到此刻(&amp;C)</translation>
    </message>
    <message>
        <source>Catch P&amp;revious Line Now</source>
        <translation>将上一行对齐到此刻(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>速度(&amp;S)</translation>
    </message>
    <message>
        <source>Same frame rate (1)</source>
        <translation>相同帧率 (1)</translation>
    </message>
    <message>
        <source>Reset &amp;Timing</source>
        <translation>重置时间调整(&amp;T)</translation>
    </message>
    <message>
        <source>Sync to &amp;Video…</source>
        <translation>与视频同步(&amp;V)…</translation>
    </message>
    <message>
        <source>Save Subtitles &amp;As…</source>
        <translation>字幕另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>Go to Time</source>
        <translation>跳转到时间</translation>
    </message>
    <message>
        <source>Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):</source>
        <translation>时间（1:02:03.5、01:02:03,500、62:03 或 3723.5 秒）：</translation>
    </message>
    <message>
        <source>No subtitles have been read yet.</source>
        <translation>尚未读取任何字幕。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>字幕另存为</translation>
    </message>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>尚未读取任何字幕：请选择文件，或按“开始”读取已选择的文件。</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt);;All files (*)</source>
        <translation>SubRip 字幕 (*.srt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Replace the Opened File?</source>
        <translation>替换已打开的文件？</translation>
    </message>
    <message>
        <source>Replace the File?</source>
        <translation>替换文件？</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from. Replacing it loses its original times, and it will be written as UTF-8.</source>
        <translation>这是读取字幕的源文件。替换后将丢失原始时间，并以 UTF-8 写入。</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。要替换吗？</translation>
    </message>
    <message>
        <source>The subtitles could not be saved: %1</source>
        <translation>无法保存字幕：%1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Sync to Video</source>
        <translation>与视频同步</translation>
    </message>
    <message>
        <source>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;All files (*)</source>
        <translation>视频 (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Listening to %1… %p%</source>
        <translation>正在分析 %1… %p%</translation>
    </message>
    <message>
        <source>Stop listening to the video</source>
        <translation>停止分析视频</translation>
    </message>
    <message>
        <source>Use the delay and speed found</source>
        <translation>使用找到的延迟和速度</translation>
    </message>
    <message>
        <source>Put back the timing from before the sync</source>
        <translation>恢复同步之前的时间调整</translation>
    </message>
    <message>
        <source>Hide the result</source>
        <translation>隐藏结果</translation>
    </message>
    <message>
        <source>Subtitle L&amp;ist</source>
        <translation>字幕列表(&amp;I)</translation>
    </message>
    <message>
        <source>Listen to S&amp;ync</source>
        <translation>听音同步(&amp;H)</translation>
    </message>
    <message>
        <source>Record a minute of what the desktop plays (a video in a browser) and find the delay from its speech; nothing is kept</source>
        <translation>录制一分钟桌面正在播放的内容（例如浏览器中的视频），并根据语音求出延迟；不保留任何内容</translation>
    </message>
    <message>
        <source>No second track is loaded: choose one with Subtitles ▸ Second Track….</source>
        <translation>未载入第二字幕轨：请通过 字幕 ▸ 第二字幕轨… 选择。</translation>
    </message>
    <message>
        <source>Listening to the desktop… %p%</source>
        <translation>正在分析桌面声音… %p%</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from (%1). Replacing it writes SubRip in its place: its original times, styles and positions are lost, and it will be written as UTF-8.</source>
        <translation>这是读取字幕的文件（%1）。替换它会在原处写入 SubRip：其原有的时间、样式和位置将丢失，并以 UTF-8 写入。</translation>
    </message>
</context>
</TS>
