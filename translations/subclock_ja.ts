<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AutoSync</name>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>字幕はまだ読み込まれていません。ファイルを選択するか、開始を押して選択済みのファイルを読み込んでください。</translation>
    </message>
    <message>
        <source>The video could not be heard: %1</source>
        <translation>動画の音声を解析できませんでした: %1</translation>
    </message>
    <message>
        <source>The subtitles changed since the video was heard: sync again.</source>
        <translation>動画の解析後に字幕が変わりました。もう一度同期してください。</translation>
    </message>
    <message>
        <source>The desktop&apos;s sound could not be recorded: %1</source>
        <translation>デスクトップの音声を録音できませんでした: %1</translation>
    </message>
    <message>
        <source>Too little speech in the minute heard: listen again while people talk.</source>
        <translation>聞き取った1分間に話し声がほとんどありません。人が話している間にもう一度聞き取ってください。</translation>
    </message>
</context>
<context>
    <name>CuePane</name>
    <message>
        <source>Show or hide the Timing pane (Ctrl+T)</source>
        <translation>タイミング枠を表示／非表示（Ctrl+T）</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Hold to time</source>
        <translation>押して計時</translation>
    </message>
    <message>
        <source>Hold down to make a cue: press at its start, let go at its end (or hold N)</source>
        <translation>押している間がキューになります: 開始で押し、終了で離します（または N を長押し）</translation>
    </message>
    <message>
        <source>Open Script…</source>
        <translation>台本を開く…</translation>
    </message>
    <message>
        <source>A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines</source>
        <translation>プレーンテキストの台本: 1 段落が 1 字幕、段落は空行で区切ります</translation>
    </message>
    <message>
        <source>Save Cues As…</source>
        <translation>キューを名前を付けて保存…</translation>
    </message>
    <message>
        <source>Write the cues as a SubRip file</source>
        <translation>キューを SubRip ファイルに書き出します</translation>
    </message>
    <message>
        <source>Copy as SRT</source>
        <translation>SRT としてコピー</translation>
    </message>
    <message>
        <source>Put the cues on the clipboard as SubRip</source>
        <translation>キューを SubRip としてクリップボードにコピー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the selected cues (Delete)</source>
        <translation>選択したキューを削除（Delete）</translation>
    </message>
    <message>
        <source>No script: cues get empty texts. Hold N or the button to time one.</source>
        <translation>台本なし: キューのテキストは空になります。N またはボタンを押し続けて計時します。</translation>
    </message>
    <message>
        <source>%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)</source>
        <translation>%1: 次は %3 段落中 %2 段落目（Ctrl+→ でスキップ、Ctrl+← で戻る）</translation>
    </message>
    <message>
        <source>%1: all %2 paragraphs used (Ctrl+Left goes back)</source>
        <translation>%1: %2 段落すべて使用済み（Ctrl+← で戻る）</translation>
    </message>
    <message>
        <source>(end of the script)</source>
        <translation>（台本の終わり）</translation>
    </message>
    <message>
        <source>Could not save the session to %1</source>
        <translation>セッションを %1 に保存できませんでした</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>no script</source>
        <translation>台本なし</translation>
    </message>
    <message>
        <source>Restore the last session? %1, begun %2, %3.</source>
        <translation>前回のセッションを復元しますか？ %1、%2 開始、%3。</translation>
    </message>
    <message>
        <source>1 cue</source>
        <translation>1 個のキュー</translation>
    </message>
    <message>
        <source>%1 cues</source>
        <translation>%1 個のキュー</translation>
    </message>
    <message>
        <source>Open Script</source>
        <translation>台本を開く</translation>
    </message>
    <message>
        <source>“%1” is not text in any encoding Subclock knows.</source>
        <translation>「%1」は Subclock が知っているどの文字コードのテキストでもありません。</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>「%1」を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Save Cues As</source>
        <translation>キューを名前を付けて保存</translation>
    </message>
    <message>
        <source>The cues could not be written to “%1”.</source>
        <translation>キューを「%1」に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>SubRip, Windows line endings (*.srt)</source>
        <translation>SubRip、Windows 改行 (*.srt)</translation>
    </message>
    <message>
        <source>SubRip, Unix line endings (*.srt)</source>
        <translation>SubRip、Unix 改行 (*.srt)</translation>
    </message>
    <message>
        <source>Take up the last session&apos;s cues and script again</source>
        <translation>前回のセッションのキューと台本を再開します</translation>
    </message>
    <message>
        <source>Start afresh; the last session stays on disk</source>
        <translation>最初からやり直します。前回のセッションはディスクに残ります</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>キュー</translation>
    </message>
    <message>
        <source>The cues made, with their times and texts; Delete removes the selected ones</source>
        <translation>作成したキューとその時刻・テキスト。Delete で選択したものを削除します</translation>
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
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
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
        <translation>日本語 (Shift JIS)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>日本語 (EUC)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>日本語 (ISO 2022-JP)</translation>
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
        <translation>中央ヨーロッパ (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中央ヨーロッパ</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>中央ヨーロッパ (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>キリル文字 (Windows)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>キリル文字</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>キリル文字 (KOI8-R)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>ウクライナ語 (KOI8-U)</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ウクライナ語</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>ギリシャ語 (Windows)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>ギリシャ語 (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>トルコ語 (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>ヘブライ語 (Windows)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>アラビア語 (Windows)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>バルト語 (Windows)</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>バルト語</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>ベトナム語 (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>タイ語 (Windows、DOS)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>Chinese (GB 18030)</source>
        <translation>中国語 (GB 18030)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Chinese (GBK)</source>
        <translation>中国語 (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Chinese (Big 5)</source>
        <translation>中国語 (Big 5)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>韓国語 (EUC)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
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
        <translation>追従するメディアプレーヤーを待っています。</translation>
    </message>
    <message>
        <source>Waiting for a media player named “%1” to follow.</source>
        <translation>追従する「%1」という名前のメディアプレーヤーを待っています。</translation>
    </message>
    <message>
        <source>Own clock, paused at %1.</source>
        <translation>内部時計、%1 で一時停止中。</translation>
    </message>
    <message>
        <source>Following %1.</source>
        <translation>%1 に追従中。</translation>
    </message>
    <message>
        <source>Following %1; keeping the subtitles you chose.</source>
        <translation>%1 に追従中。選択した字幕をそのまま使います。</translation>
    </message>
    <message>
        <source>%1 plays %2, not a local file: the subtitles stay as they are.</source>
        <translation>%1 はローカルファイルではない %2 を再生中です。字幕はそのままです。</translation>
    </message>
    <message>
        <source>No subtitles beside %1: the subtitles stay as they are.</source>
        <translation>%1 と同じ場所に字幕がありません。字幕はそのままです。</translation>
    </message>
    <message>
        <source>Loaded %1 from %2, beside the video %3 plays.</source>
        <translation>%3 が再生中の動画と同じ場所の %2 から %1 を読み込みました。</translation>
    </message>
    <message>
        <source>%1 quit: back to the own clock, paused at %2.</source>
        <translation>%1 が終了しました。内部時計に戻り、%2 で一時停止中です。</translation>
    </message>
    <message>
        <source>%1 does not report its position.</source>
        <translation>%1 は再生位置を報告しません。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 does not report its position: the time shown is the own clock&apos;s, pausing and resuming with it.</source>
        <translation>%1 は再生位置を知らせません。表示されている時刻は自前の時計のもので、その一時停止と再開に合わせて動きます。</translation>
    </message>
</context>
<context>
    <name>Following</name>
    <message>
        <source>Use own clock</source>
        <translation>内部時計を使う</translation>
    </message>
    <message>
        <source>Own clock</source>
        <translation>内部時計</translation>
    </message>
    <message>
        <source>Count from Start, as without a player</source>
        <translation>プレーヤーなしと同じく、開始から数えます</translation>
    </message>
    <message>
        <source>Take the position from %1</source>
        <translation>%1 から再生位置を取得します</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>%1 does not let others control it</source>
        <translation>%1 は他のプログラムからの操作を許可していません</translation>
    </message>
    <message>
        <source>%1 does not allow pausing</source>
        <translation>%1 は一時停止を許可していません</translation>
    </message>
    <message>
        <source>%1 does not allow seeking</source>
        <translation>%1 はシークを許可していません</translation>
    </message>
    <message>
        <source>Stop following the player and count from Start again</source>
        <translation>プレーヤーへの追従をやめ、再び開始から数えます</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Keys that work while another program has the focus need an X11 or Wayland desktop.</source>
        <translation>別のプログラムにフォーカスがある間も使えるキーには、X11 または Wayland のデスクトップが必要です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key combination (for example Ctrl+Alt+Space).</source>
        <translation>「%1」はキーの組み合わせではありません（例: Ctrl+Alt+Space）。</translation>
    </message>
    <message>
        <source>%1 alone would be taken from every program: add Ctrl, Alt or Meta.</source>
        <translation>%1 だけではすべてのプログラムからそのキーを奪ってしまいます: Ctrl、Alt、Meta のいずれかを加えてください。</translation>
    </message>
    <message>
        <source>%1 is already chosen for another action.</source>
        <translation>%1 は既に別の操作に割り当てられています。</translation>
    </message>
    <message>
        <source>%1 is held by another program; choose other keys.</source>
        <translation>%1 は別のプログラムが使用中です。別のキーを選んでください。</translation>
    </message>
    <message>
        <source>On Wayland only the desktop can give a program keys that work while another has the focus, and the desktop has no global-shortcuts portal. Use the desktop&apos;s own shortcut settings to run &quot;playerctl -p subclock play-pause&quot; and the like.</source>
        <translation>Wayland では、別のプログラムにフォーカスがある間も使えるキーをプログラムに与えられるのはデスクトップだけですが、このデスクトップにはグローバルショートカットのポータルがありません。デスクトップ自身のショートカット設定で「playerctl -p subclock play-pause」などを実行するようにしてください。</translation>
    </message>
    <message>
        <source>The desktop gives these keys: it may ask you to confirm them, and they are changed in its own settings.</source>
        <translation>これらのキーはデスクトップが割り当てます: 確認を求められることがあり、変更はデスクトップ自身の設定で行います。</translation>
    </message>
    <message>
        <source>This is a Wayland session and the desktop has no global-shortcuts portal: keys taken through XWayland work only while an X11 program has the focus.</source>
        <translation>これは Wayland セッションで、デスクトップにはグローバルショートカットのポータルがありません: XWayland 経由で取得したキーは、X11 のプログラムにフォーカスがある間だけ使えます。</translation>
    </message>
    <message>
        <source>Turn the keys on to ask the desktop for them.</source>
        <translation>キーを有効にすると、デスクトップに要求します。</translation>
    </message>
    <message>
        <source>Asking the desktop for the keys…</source>
        <translation>デスクトップにキーを要求しています…</translation>
    </message>
    <message>
        <source>The desktop gave these keys:</source>
        <translation>デスクトップが割り当てたキー:</translation>
    </message>
    <message>
        <source>The desktop&apos;s dialog was cancelled: no keys were given.</source>
        <translation>デスクトップのダイアログがキャンセルされました: キーは割り当てられていません。</translation>
    </message>
    <message>
        <source>The desktop did not give the keys.</source>
        <translation>デスクトップはキーを割り当てませんでした。</translation>
    </message>
    <message>
        <source>The desktop took the keys back.</source>
        <translation>デスクトップがキーを取り消しました。</translation>
    </message>
    <message>
        <source>Start or stop the subtitles</source>
        <translation>字幕を開始または停止</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later</source>
        <translation>字幕を 100 ms 遅く</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier</source>
        <translation>字幕を 100 ms 早く</translation>
    </message>
    <message>
        <source>To the previous subtitle</source>
        <translation>前の字幕へ</translation>
    </message>
    <message>
        <source>To the next subtitle</source>
        <translation>次の字幕へ</translation>
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
        <translation>開始</translation>
    </message>
    <message>
        <source>This file looks like %1.</source>
        <translation>このファイルは %1 のようです。</translation>
    </message>
    <message>
        <source>Use these</source>
        <translation>これを使う</translation>
    </message>
    <message>
        <source>No subtitles found in %1</source>
        <translation>%1 に字幕が見つかりません</translation>
    </message>
    <message>
        <source>Nothing loaded: no subtitles in %1.</source>
        <translation>何も読み込まれていません: %1 に字幕がありません。</translation>
    </message>
    <message>
        <source>This looks like %1, which Subclock cannot read.</source>
        <translation>これは %1 のようです。Subclock はこの形式を読めません。</translation>
    </message>
    <message>
        <source>This looks like %1. Subclock reads it with the encoding on Automatic; a chosen encoding reads SubRip (.srt) files only.</source>
        <translation>これは %1 のようです。エンコーディングを「自動」にすると Subclock で読めます。エンコーディングを選んだ場合に読めるのは SubRip (.srt) ファイルだけです。</translation>
    </message>
    <message>
        <source>This looks like %1, but no subtitles could be read in it.</source>
        <translation>これは %1 のようですが、字幕を読み取れませんでした。</translation>
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
        <translation>再生位置（時:分:秒:ミリ秒）</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>Skip back by the slider&apos;s seconds (Left)</source>
        <translation>スライダーの秒数だけ戻る（←）</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Start or stop playback (Space)</source>
        <translation>再生の開始／停止（Space）</translation>
    </message>
    <message>
        <source>Fast-forward</source>
        <translation>早送り</translation>
    </message>
    <message>
        <source>Skip ahead by the slider&apos;s seconds (Right)</source>
        <translation>スライダーの秒数だけ先へ（→）</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Back to 00:00:00:000 (Home)</source>
        <translation>00:00:00:000 に戻す（Home）</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>Print the position to standard output; two marks make one time line (M)</source>
        <translation>位置を標準出力に書き出します。2 回のマークで 1 つのタイム行になります（M）</translation>
    </message>
    <message>
        <source>Skip (seconds):</source>
        <translation>移動（秒）:</translation>
    </message>
    <message>
        <source>Seconds that Rewind and Fast-forward skip</source>
        <translation>巻き戻しと早送りで移動する秒数</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>Choose a subtitle file (Ctrl+O)</source>
        <translation>字幕ファイルを選択（Ctrl+O）</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>文字コード:</translation>
    </message>
    <message>
        <source>Text encoding of the file; Automatic finds it from the file</source>
        <translation>ファイルの文字コード。「自動」はファイルから判定します</translation>
    </message>
    <message>
        <source>Line ending:</source>
        <translation>改行コード:</translation>
    </message>
    <message>
        <source>Line ending of the file; Automatic finds it from the file</source>
        <translation>ファイルの改行コード。「自動」はファイルから判定します</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>CRLF (Windows)</source>
        <translation>CRLF (Windows)</translation>
    </message>
    <message>
        <source>LF (Unix, macOS)</source>
        <translation>LF (Unix、macOS)</translation>
    </message>
    <message>
        <source>CR (classic Mac)</source>
        <translation>CR（旧 Mac）</translation>
    </message>
</context>
<context>
    <name>MprisFollower</name>
    <message>
        <source>No session D-Bus to find media players on%1.</source>
        <translation>メディアプレーヤーを探すセッション D-Bus がありません%1。</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> % of the panel</source>
        <translation> %（パネル幅）</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>0 % shows the text only (on a desktop that composites windows)</source>
        <translation>0 % で文字だけを表示します（ウィンドウを合成するデスクトップの場合）</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>フォント:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>文字色:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>縁取り:</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>影:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景:</translation>
    </message>
    <message>
        <source>A translucent background needs a desktop that composites windows; without one it is drawn solid.</source>
        <translation>半透明の背景にはウィンドウを合成するデスクトップが必要です。ない場合は不透明で描画されます。</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>配置:</translation>
    </message>
    <message>
        <source>Maximum width:</source>
        <translation>最大幅:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>システムに従う（%1）</translation>
    </message>
    <message>
        <source>The language of the menus, buttons and messages</source>
        <translation>メニュー、ボタン、メッセージの言語</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>A change takes effect the next time Subclock starts.</source>
        <translation>変更は次回 Subclock を起動したときに反映されます。</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>The typeface of the subtitles</source>
        <translation>字幕の書体</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>The size of the subtitles&apos; text, in points</source>
        <translation>字幕の文字の大きさ（ポイント）</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Choose the colour of the text</source>
        <translation>文字の色を選択します</translation>
    </message>
    <message>
        <source>Outline width</source>
        <translation>縁取りの太さ</translation>
    </message>
    <message>
        <source>The width of the outline around the letters</source>
        <translation>文字の周りの縁取りの太さ</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>縁取りの色</translation>
    </message>
    <message>
        <source>Choose the colour of the outline</source>
        <translation>縁取りの色を選択します</translation>
    </message>
    <message>
        <source>Shadow offset</source>
        <translation>影のずれ</translation>
    </message>
    <message>
        <source>How far the shadow falls from the letters</source>
        <translation>文字から影までの距離</translation>
    </message>
    <message>
        <source>Shadow colour</source>
        <translation>影の色</translation>
    </message>
    <message>
        <source>Choose the colour of the shadow</source>
        <translation>影の色を選択します</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Choose the colour of the band behind the text</source>
        <translation>文字の背後の帯の色を選択します</translation>
    </message>
    <message>
        <source>Background opacity</source>
        <translation>背景の不透明度</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Where the lines sit in the panel</source>
        <translation>パネル内での行の位置</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>最大幅</translation>
    </message>
    <message>
        <source>The widest a line may be, as a share of the panel</source>
        <translation>1 行の最大幅（パネル幅に対する割合）</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>この設定を保存します</translation>
    </message>
    <message>
        <source>Put the panel back as it was</source>
        <translation>パネルを元の状態に戻します</translation>
    </message>
    <message>
        <source>Show the panel&apos;s default look</source>
        <translation>パネルを既定の見た目にします</translation>
    </message>
    <message>
        <source>Under the first, in the panel</source>
        <translation>第 1 トラックの下（パネル内）</translation>
    </message>
    <message>
        <source>Over the first, in the panel</source>
        <translation>第 1 トラックの上（パネル内）</translation>
    </message>
    <message>
        <source>At the top of the screen</source>
        <translation>画面の上端</translation>
    </message>
    <message>
        <source>e.g. en</source>
        <translation>例: en</translation>
    </message>
    <message>
        <source>Following a player, movie.LANG.srt beside its video is loaded as the second track</source>
        <translation>プレーヤーに追従中、動画と同じ場所にある movie.LANG.srt を第 2 トラックとして読み込みます</translation>
    </message>
    <message>
        <source>Shows:</source>
        <translation>表示位置:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Language beside a video:</source>
        <translation>動画と同じ場所の字幕の言語:</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>第 2 トラック</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Keys work while another program has the focus</source>
        <translation>別のプログラムにフォーカスがある間もキーを使う</translation>
    </message>
    <message>
        <source>Start / Stop:</source>
        <translation>開始 / 停止:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later:</source>
        <translation>字幕を 100 ms 遅く:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier:</source>
        <translation>字幕を 100 ms 早く:</translation>
    </message>
    <message>
        <source>Previous subtitle:</source>
        <translation>前の字幕:</translation>
    </message>
    <message>
        <source>Next subtitle:</source>
        <translation>次の字幕:</translation>
    </message>
    <message>
        <source>for example Ctrl+Alt+Space</source>
        <translation>例: Ctrl+Alt+Space</translation>
    </message>
    <message>
        <source>Where the second track&apos;s line shows</source>
        <translation>2 番目のトラックの行を表示する位置</translation>
    </message>
    <message>
        <source>The size of the second track&apos;s text, in points</source>
        <translation>2 番目のトラックの文字の大きさ（ポイント）</translation>
    </message>
    <message>
        <source>Choose the colour of the second track&apos;s text</source>
        <translation>2 番目のトラックの文字の色を選択します</translation>
    </message>
    <message>
        <source>Grab the keys below for Subclock on the whole desktop</source>
        <translation>以下のキーをデスクトップ全体で Subclock に割り当てます</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>キーなし</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Plays a SubRip (.srt) subtitle file against a running clock.
Settings (encoding, line ending, last file, player followed) are kept in %1.</source>
        <translation>SubRip (.srt) 字幕ファイルを時計に合わせて表示します。
設定（文字コード、改行コード、最後のファイル、追従するプレーヤー）は %1 に保存されます。</translation>
    </message>
    <message>
        <source>Subtitle file to choose at start-up.</source>
        <translation>起動時に選択する字幕ファイル。</translation>
    </message>
    <message>
        <source>Append each cue made (by Mark or by holding N) to &lt;file&gt; as SubRip, flushed as it is made.</source>
        <translation>作成したキュー（マークまたは N の長押し）を SubRip として &lt;file&gt; に逐次追記します。</translation>
    </message>
    <message>
        <source>Follow a media player: the first playing, or the one whose bus name or identity contains NAME (--follow=NAME).</source>
        <translation>メディアプレーヤーに追従します: 最初に再生中のもの、またはバス名か識別名に NAME を含むもの（--follow=NAME）。</translation>
    </message>
    <message>
        <source>Line the subtitles up with the speech of &lt;video&gt; at start (Sync to Video).</source>
        <translation>起動時に字幕を &lt;video&gt; の音声に合わせます（動画に同期）。</translation>
    </message>
    <message>
        <source>Publish what is shown on the session bus.</source>
        <translation>表示内容をセッションバスに公開します。</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>タイミング</translation>
    </message>
    <message>
        <source>F&amp;ollow</source>
        <translation>追従(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Choose File…	Ctrl+O</source>
        <translation>ファイルを選択(&amp;C)…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>終了(&amp;Q)	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>設定(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Show &amp;Panel</source>
        <translation>パネルを表示(&amp;P)</translation>
    </message>
    <message>
        <source>Show &amp;Markup</source>
        <translation>マークアップを表示(&amp;M)</translation>
    </message>
    <message>
        <source>Panel Lets Clicks &amp;Through</source>
        <translation>クリックをパネルの下へ通す(&amp;T)</translation>
    </message>
    <message>
        <source>Clicks go through the panel: turn off</source>
        <translation>クリックがパネルを通り抜けます: オフにする</translation>
    </message>
    <message>
        <source>Hide Panel</source>
        <translation>パネルを隠す</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Plain text files (*.txt *.text)</source>
        <translation>プレーンテキストファイル (*.txt *.text)</translation>
    </message>
    <message>
        <source>Subtitle files (%1)</source>
        <translation>字幕ファイル (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Choose a subtitle file</source>
        <translation>字幕ファイルを選択</translation>
    </message>
    <message>
        <source>Let the panel take clicks again (Ctrl+Shift+P)</source>
        <translation>パネルが再びクリックを受け取るようにします（Ctrl+Shift+P）</translation>
    </message>
    <message>
        <source>A second subtitle track, shown with FILE on the same clock (another language, say).</source>
        <translation>FILE と同じ時計で表示する第 2 の字幕トラック（別の言語など）。</translation>
    </message>
    <message>
        <source>Second Trac&amp;k…</source>
        <translation>第 2 トラック(&amp;2)…</translation>
    </message>
    <message>
        <source>Close Second Track</source>
        <translation>第 2 トラックを閉じる</translation>
    </message>
    <message>
        <source>Timing Keys Act &amp;On</source>
        <translation>タイミングキーの対象(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;First Track</source>
        <translation>第 1 トラック(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;Second Track</source>
        <translation>第 2 トラック(&amp;2)</translation>
    </message>
    <message>
        <source>Show First Track</source>
        <translation>第 1 トラックを表示</translation>
    </message>
    <message>
        <source>Show Second Track</source>
        <translation>第 2 トラックを表示</translation>
    </message>
</context>
<context>
    <name>QtReadingView</name>
    <message>
        <source>Skipped blocks</source>
        <translation>スキップしたブロック</translation>
    </message>
    <message>
        <source>Blocks skipped, by the line they start on: %1</source>
        <translation>スキップしたブロック（開始行）: %1</translation>
    </message>
    <message>
        <source>Recent messages:</source>
        <translation>最近のメッセージ:</translation>
    </message>
    <message>
        <source>(which lines?)</source>
        <translation>（どの行？）</translation>
    </message>
</context>
<context>
    <name>ReadingChoice</name>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 subtitle</source>
        <translation>字幕 %1 件</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>字幕 %1 件</translation>
    </message>
    <message>
        <source>%1 block skipped</source>
        <translation>%1 ブロックをスキップ</translation>
    </message>
    <message>
        <source>%1 blocks skipped</source>
        <translation>%1 ブロックをスキップ</translation>
    </message>
    <message>
        <source>%1 with %2 line endings</source>
        <translation>%1、改行コード %2</translation>
    </message>
    <message>
        <source>%1 fps assumed</source>
        <translation>%1 fps と仮定</translation>
    </message>
</context>
<context>
    <name>Resync</name>
    <message>
        <source>delay %1</source>
        <translation>遅延 %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>速度 %1</translation>
    </message>
    <message>
        <source>23.976 → 25 fps</source>
        <translation>23.976 → 25 fps</translation>
    </message>
    <message>
        <source>25 → 23.976 fps</source>
        <translation>25 → 23.976 fps</translation>
    </message>
    <message>
        <source>23.976 → 24 or 29.97 → 30 fps</source>
        <translation>23.976 → 24 または 29.97 → 30 fps</translation>
    </message>
    <message>
        <source>24 → 23.976 or 30 → 29.97 fps</source>
        <translation>24 → 23.976 または 30 → 29.97 fps</translation>
    </message>
    <message>
        <source>24 → 25 fps</source>
        <translation>24 → 25 fps</translation>
    </message>
    <message>
        <source>25 → 24 fps</source>
        <translation>25 → 24 fps</translation>
    </message>
    <message>
        <source>from %1 %2</source>
        <translation>%1 以降 %2</translation>
    </message>
</context>
<context>
    <name>SeekBar</name>
    <message>
        <source>no subtitles</source>
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>  after the end</source>
        <translation>  終了後</translation>
    </message>
    <message>
        <source>Click or drag to seek</source>
        <translation>クリックまたはドラッグで移動</translation>
    </message>
</context>
<context>
    <name>SpeechMatch</name>
    <message>
        <source>No speech found in the video.</source>
        <translation>動画に音声が見つかりません。</translation>
    </message>
    <message>
        <source>No clear match between the subtitles and the speech.</source>
        <translation>字幕と音声の明確な一致が見つかりません。</translation>
    </message>
    <message>
        <source>delay %1</source>
        <translation>遅延 %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>以降</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>確実</translation>
    </message>
    <message>
        <source>likely</source>
        <translation>おそらく</translation>
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
        <translation>絞り込み</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Show only the subtitles that contain this text</source>
        <translation>このテキストを含む字幕だけを表示します</translation>
    </message>
    <message>
        <source>Every subtitle of the file; double-click one to go to it</source>
        <translation>ファイルのすべての字幕。ダブルクリックでその位置へ移動します</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>第 2 トラック</translation>
    </message>
</context>
<context>
    <name>SubtitleLoader</name>
    <message>
        <source>Reading %1…</source>
        <translation>%1 を読み込み中…</translation>
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
        <translation>表示中の字幕</translation>
    </message>
    <message>
        <source>Subtitles show here. Drag to move, drag an edge to resize; right-click for more.</source>
        <translation>ここに字幕が表示されます。ドラッグで移動、端のドラッグでサイズ変更、右クリックでその他の操作。</translation>
    </message>
</context>
<context>
    <name>SubtitleTiming</name>
    <message>
        <source>timing restored: %1</source>
        <translation>タイミングを復元: %1</translation>
    </message>
    <message>
        <source>No subtitle after this point to catch.</source>
        <translation>この位置より後に合わせる字幕がありません。</translation>
    </message>
    <message>
        <source>No subtitle before this point to catch.</source>
        <translation>この位置より前に合わせる字幕がありません。</translation>
    </message>
    <message>
        <source>Caught line %1.</source>
        <translation>%1 行目を合わせました。</translation>
    </message>
    <message>
        <source>Caught line %1: %2.</source>
        <translation>%1 行目を合わせました: %2。</translation>
    </message>
    <message>
        <source>Caught line %1: speed %2.</source>
        <translation>%1 行目を合わせました: 速度 %2。</translation>
    </message>
    <message>
        <source>Caught line %1: no likely speed, delay only.</source>
        <translation>%1 行目を合わせました: 妥当な速度がないため遅延のみ調整します。</translation>
    </message>
    <message>
        <source>Caught line %1. One more a minute away solves the speed.</source>
        <translation>%1 行目を合わせました。1 分以上離れた行をもう 1 つ合わせると速度が求まります。</translation>
    </message>
</context>
<context>
    <name>SyncControls</name>
    <message>
        <source>Sync…</source>
        <translation>同期…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Subtitle timing: z/x move the subtitles by 100 ms</source>
        <translation>字幕のタイミング: z/x で字幕を 100 ms ずらします</translation>
    </message>
    <message>
        <source>Sync to Video: find the delay and speed from the speech</source>
        <translation>動画に同期: 音声から遅延と速度を求めます</translation>
    </message>
    <message>
        <source>&amp;Subtitles</source>
        <translation>字幕(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Previous Subtitle</source>
        <translation>前の字幕(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Subtitle</source>
        <translation>次の字幕(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Go to Time…</source>
        <translation>時刻へ移動(&amp;G)…</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Earlier</source>
        <translation>字幕を 100 ms 早く(&amp;E)</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Later</source>
        <translation>字幕を 100 ms 遅く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Catch Next Line Now</source>
        <translation>次の行を今に合わせる(&amp;C)</translation>
    </message>
    <message>
        <source>Catch P&amp;revious Line Now</source>
        <translation>前の行を今に合わせる(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>速度(&amp;S)</translation>
    </message>
    <message>
        <source>Same frame rate (1)</source>
        <translation>同じフレームレート (1)</translation>
    </message>
    <message>
        <source>Reset &amp;Timing</source>
        <translation>タイミングをリセット(&amp;T)</translation>
    </message>
    <message>
        <source>Sync to &amp;Video…</source>
        <translation>動画に同期(&amp;V)…</translation>
    </message>
    <message>
        <source>Save Subtitles &amp;As…</source>
        <translation>字幕を名前を付けて保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Go to Time</source>
        <translation>時刻へ移動</translation>
    </message>
    <message>
        <source>Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):</source>
        <translation>時刻（1:02:03.5、01:02:03,500、62:03、または 3723.5 秒）:</translation>
    </message>
    <message>
        <source>No subtitles have been read yet.</source>
        <translation>字幕はまだ読み込まれていません。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>字幕を名前を付けて保存</translation>
    </message>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>字幕はまだ読み込まれていません。ファイルを選択するか、開始を押して選択済みのファイルを読み込んでください。</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt);;All files (*)</source>
        <translation>SubRip 字幕 (*.srt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Replace the Opened File?</source>
        <translation>開いているファイルを置き換えますか？</translation>
    </message>
    <message>
        <source>Replace the File?</source>
        <translation>ファイルを置き換えますか？</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from. Replacing it loses its original times, and it will be written as UTF-8.</source>
        <translation>これは字幕の読み込み元のファイルです。置き換えると元のタイミングは失われ、UTF-8 で書き込まれます。</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>The subtitles could not be saved: %1</source>
        <translation>字幕を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Sync to Video</source>
        <translation>動画に同期</translation>
    </message>
    <message>
        <source>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;All files (*)</source>
        <translation>動画 (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Listening to %1… %p%</source>
        <translation>%1 を解析中… %p%</translation>
    </message>
    <message>
        <source>Stop listening to the video</source>
        <translation>動画の解析を中止します</translation>
    </message>
    <message>
        <source>Use the delay and speed found</source>
        <translation>見つかった遅延と速度を使います</translation>
    </message>
    <message>
        <source>Put back the timing from before the sync</source>
        <translation>同期前のタイミングに戻します</translation>
    </message>
    <message>
        <source>Hide the result</source>
        <translation>結果を隠します</translation>
    </message>
    <message>
        <source>Subtitle L&amp;ist</source>
        <translation>字幕一覧(&amp;I)</translation>
    </message>
    <message>
        <source>Listen to S&amp;ync</source>
        <translation>音声を聞いて同期(&amp;H)</translation>
    </message>
    <message>
        <source>Record a minute of what the desktop plays (a video in a browser) and find the delay from its speech; nothing is kept</source>
        <translation>デスクトップで再生中の音（ブラウザーの動画など）を 1 分間録音し、音声から遅延を求めます。何も保存されません</translation>
    </message>
    <message>
        <source>No second track is loaded: choose one with Subtitles ▸ Second Track….</source>
        <translation>第 2 トラックが読み込まれていません: 字幕 ▸ 第 2 トラック… で選んでください。</translation>
    </message>
    <message>
        <source>Listening to the desktop… %p%</source>
        <translation>デスクトップの音声を解析中… %p%</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from (%1). Replacing it writes SubRip in its place: its original times, styles and positions are lost, and it will be written as UTF-8.</source>
        <translation>これは字幕を読み込んだファイル（%1）です。置き換えるとその場所に SubRip が書き込まれ、元の時刻・スタイル・位置は失われ、UTF-8 で書き込まれます。</translation>
    </message>
</context>
</TS>
