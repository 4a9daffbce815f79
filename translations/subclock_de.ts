<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AutoSync</name>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Es wurden noch keine Untertitel gelesen: Eine Datei wählen oder Start drücken, um die gewählte zu lesen.</translation>
    </message>
    <message>
        <source>The video could not be heard: %1</source>
        <translation>Das Video konnte nicht angehört werden: %1</translation>
    </message>
    <message>
        <source>The subtitles changed since the video was heard: sync again.</source>
        <translation>Die Untertitel haben sich seit dem Anhören des Videos geändert: erneut abgleichen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s sound could not be recorded: %1</source>
        <translation>Der Ton des Desktops konnte nicht aufgenommen werden: %1</translation>
    </message>
    <message>
        <source>Too little speech in the minute heard: listen again while people talk.</source>
        <translation>Zu wenig Sprache in der gehörten Minute: erneut zuhören, während Leute sprechen.</translation>
    </message>
</context>
<context>
    <name>CuePane</name>
    <message>
        <source>Show or hide the Timing pane (Ctrl+T)</source>
        <translation>Den Bereich Timing ein- oder ausblenden (Strg+T)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Hold to time</source>
        <translation>Halten zum Timen</translation>
    </message>
    <message>
        <source>Hold down to make a cue: press at its start, let go at its end (or hold N)</source>
        <translation>Gedrückt halten für einen Einsatz: am Anfang drücken, am Ende loslassen (oder N halten)</translation>
    </message>
    <message>
        <source>Open Script…</source>
        <translation>Skript öffnen …</translation>
    </message>
    <message>
        <source>A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines</source>
        <translation>Ein Skript als reiner Text: ein Untertitel pro Absatz, Absätze durch Leerzeilen getrennt</translation>
    </message>
    <message>
        <source>Save Cues As…</source>
        <translation>Einsätze speichern unter …</translation>
    </message>
    <message>
        <source>Write the cues as a SubRip file</source>
        <translation>Die Einsätze als SubRip-Datei schreiben</translation>
    </message>
    <message>
        <source>Copy as SRT</source>
        <translation>Als SRT kopieren</translation>
    </message>
    <message>
        <source>Put the cues on the clipboard as SubRip</source>
        <translation>Die Einsätze als SubRip in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected cues (Delete)</source>
        <translation>Die gewählten Einsätze löschen (Entf)</translation>
    </message>
    <message>
        <source>No script: cues get empty texts. Hold N or the button to time one.</source>
        <translation>Kein Skript: Einsätze erhalten leere Texte. N oder die Schaltfläche halten, um einen zu timen.</translation>
    </message>
    <message>
        <source>%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)</source>
        <translation>%1: als Nächstes Absatz %2 von %3 (Strg+Rechts überspringt, Strg+Links geht zurück)</translation>
    </message>
    <message>
        <source>%1: all %2 paragraphs used (Ctrl+Left goes back)</source>
        <translation>%1: alle %2 Absätze verwendet (Strg+Links geht zurück)</translation>
    </message>
    <message>
        <source>(end of the script)</source>
        <translation>(Ende des Skripts)</translation>
    </message>
    <message>
        <source>Could not save the session to %1</source>
        <translation>Die Sitzung konnte nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>In %1 gespeichert</translation>
    </message>
    <message>
        <source>no script</source>
        <translation>kein Skript</translation>
    </message>
    <message>
        <source>Restore the last session? %1, begun %2, %3.</source>
        <translation>Die letzte Sitzung wiederherstellen? %1, begonnen %2, %3.</translation>
    </message>
    <message>
        <source>1 cue</source>
        <translation>1 Einsatz</translation>
    </message>
    <message>
        <source>%1 cues</source>
        <translation>%1 Einsätze</translation>
    </message>
    <message>
        <source>Open Script</source>
        <translation>Skript öffnen</translation>
    </message>
    <message>
        <source>“%1” is not text in any encoding Subclock knows.</source>
        <translation>„%1“ ist in keiner Kodierung, die Subclock kennt, Text.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>„%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Save Cues As</source>
        <translation>Einsätze speichern unter</translation>
    </message>
    <message>
        <source>The cues could not be written to “%1”.</source>
        <translation>Die Einsätze konnten nicht nach „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>SubRip, Windows line endings (*.srt)</source>
        <translation>SubRip, Windows-Zeilenenden (*.srt)</translation>
    </message>
    <message>
        <source>SubRip, Unix line endings (*.srt)</source>
        <translation>SubRip, Unix-Zeilenenden (*.srt)</translation>
    </message>
    <message>
        <source>Take up the last session&apos;s cues and script again</source>
        <translation>Die Einsätze und das Skript der letzten Sitzung wieder aufnehmen</translation>
    </message>
    <message>
        <source>Start afresh; the last session stays on disk</source>
        <translation>Neu beginnen; die letzte Sitzung bleibt auf der Festplatte</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>The cues made, with their times and texts; Delete removes the selected ones</source>
        <translation>Die erstellten Einsätze mit Zeiten und Texten; Entf löscht die gewählten</translation>
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
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Wortlaut</translation>
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
        <translation>Japanisch (Shift JIS)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Japanisch (EUC)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japanisch (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (ASCII)</source>
        <translation>Westlich (ASCII)</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Westlich</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Westlich (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Westlich (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Westlich (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Westlich (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Mitteleuropäisch (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Mitteleuropäisch (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Kyrillisch (Windows)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Kyrillisch (KOI8-R)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ukrainisch (KOI8-U)</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Griechisch (Windows)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Griechisch (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Türkisch (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hebräisch (Windows)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Arabisch (Windows)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Baltisch (Windows)</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamesisch (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Thailändisch (Windows, DOS)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Chinese (GB 18030)</source>
        <translation>Chinesisch (GB 18030)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Chinese (GBK)</source>
        <translation>Chinesisch (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Vereinfachtes Chinesisch</translation>
    </message>
    <message>
        <source>Chinese (Big 5)</source>
        <translation>Chinesisch (Big 5)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditionelles Chinesisch</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Koreanisch (EUC)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
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
        <translation>Warte auf einen Mediaplayer, um ihm zu folgen.</translation>
    </message>
    <message>
        <source>Waiting for a media player named “%1” to follow.</source>
        <translation>Warte auf einen Mediaplayer namens „%1“, um ihm zu folgen.</translation>
    </message>
    <message>
        <source>Own clock, paused at %1.</source>
        <translation>Eigene Uhr, angehalten bei %1.</translation>
    </message>
    <message>
        <source>Following %1.</source>
        <translation>Folgt %1.</translation>
    </message>
    <message>
        <source>Following %1; keeping the subtitles you chose.</source>
        <translation>Folgt %1; die gewählten Untertitel bleiben.</translation>
    </message>
    <message>
        <source>%1 plays %2, not a local file: the subtitles stay as they are.</source>
        <translation>%1 spielt %2, keine lokale Datei: Die Untertitel bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>No subtitles beside %1: the subtitles stay as they are.</source>
        <translation>Keine Untertitel neben %1: Die Untertitel bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Loaded %1 from %2, beside the video %3 plays.</source>
        <translation>%1 aus %2 geladen, neben dem Video, das %3 abspielt.</translation>
    </message>
    <message>
        <source>%1 quit: back to the own clock, paused at %2.</source>
        <translation>%1 wurde beendet: zurück zur eigenen Uhr, angehalten bei %2.</translation>
    </message>
    <message>
        <source>%1 does not report its position.</source>
        <translation>%1 meldet seine Position nicht.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 does not report its position: the time shown is the own clock&apos;s, pausing and resuming with it.</source>
        <translation>%1 meldet seine Position nicht: Die angezeigte Zeit ist die der eigenen Uhr, die mit ihm pausiert und weiterläuft.</translation>
    </message>
</context>
<context>
    <name>Following</name>
    <message>
        <source>Use own clock</source>
        <translation>Eigene Uhr verwenden</translation>
    </message>
    <message>
        <source>Own clock</source>
        <translation>Eigene Uhr</translation>
    </message>
    <message>
        <source>Count from Start, as without a player</source>
        <translation>Ab Start zählen, wie ohne Player</translation>
    </message>
    <message>
        <source>Take the position from %1</source>
        <translation>Die Position von %1 übernehmen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>%1 does not let others control it</source>
        <translation>%1 lässt sich nicht von anderen steuern</translation>
    </message>
    <message>
        <source>%1 does not allow pausing</source>
        <translation>%1 lässt kein Anhalten zu</translation>
    </message>
    <message>
        <source>%1 does not allow seeking</source>
        <translation>%1 lässt kein Springen zu</translation>
    </message>
    <message>
        <source>Stop following the player and count from Start again</source>
        <translation>Dem Player nicht mehr folgen und wieder ab Start zählen</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Keys that work while another program has the focus need an X11 or Wayland desktop.</source>
        <translation>Tasten, die wirken, während ein anderes Programm den Fokus hat, brauchen einen X11- oder Wayland-Desktop.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key combination (for example Ctrl+Alt+Space).</source>
        <translation>„%1“ ist keine Tastenkombination (zum Beispiel Ctrl+Alt+Space).</translation>
    </message>
    <message>
        <source>%1 alone would be taken from every program: add Ctrl, Alt or Meta.</source>
        <translation>%1 allein würde jedem Programm weggenommen: Ctrl, Alt oder Meta hinzufügen.</translation>
    </message>
    <message>
        <source>%1 is already chosen for another action.</source>
        <translation>%1 ist bereits für eine andere Aktion gewählt.</translation>
    </message>
    <message>
        <source>%1 is held by another program; choose other keys.</source>
        <translation>%1 ist von einem anderen Programm belegt; andere Tasten wählen.</translation>
    </message>
    <message>
        <source>On Wayland only the desktop can give a program keys that work while another has the focus, and the desktop has no global-shortcuts portal. Use the desktop&apos;s own shortcut settings to run &quot;playerctl -p subclock play-pause&quot; and the like.</source>
        <translation>Unter Wayland kann nur der Desktop einem Programm Tasten geben, die wirken, während ein anderes den Fokus hat, und dieser Desktop hat kein Portal für globale Tastenkürzel. Stattdessen in den Tastenkürzel-Einstellungen des Desktops „playerctl -p subclock play-pause“ und Ähnliches einrichten.</translation>
    </message>
    <message>
        <source>The desktop gives these keys: it may ask you to confirm them, and they are changed in its own settings.</source>
        <translation>Diese Tasten vergibt der Desktop: Er fragt womöglich nach einer Bestätigung, und geändert werden sie in seinen eigenen Einstellungen.</translation>
    </message>
    <message>
        <source>This is a Wayland session and the desktop has no global-shortcuts portal: keys taken through XWayland work only while an X11 program has the focus.</source>
        <translation>Dies ist eine Wayland-Sitzung, und der Desktop hat kein Portal für globale Tastenkürzel: Über XWayland belegte Tasten wirken nur, solange ein X11-Programm den Fokus hat.</translation>
    </message>
    <message>
        <source>Turn the keys on to ask the desktop for them.</source>
        <translation>Die Tasten einschalten, um den Desktop darum zu bitten.</translation>
    </message>
    <message>
        <source>Asking the desktop for the keys…</source>
        <translation>Der Desktop wird um die Tasten gebeten …</translation>
    </message>
    <message>
        <source>The desktop gave these keys:</source>
        <translation>Der Desktop hat diese Tasten vergeben:</translation>
    </message>
    <message>
        <source>The desktop&apos;s dialog was cancelled: no keys were given.</source>
        <translation>Der Dialog des Desktops wurde abgebrochen: keine Tasten vergeben.</translation>
    </message>
    <message>
        <source>The desktop did not give the keys.</source>
        <translation>Der Desktop hat die Tasten nicht vergeben.</translation>
    </message>
    <message>
        <source>The desktop took the keys back.</source>
        <translation>Der Desktop hat die Tasten zurückgenommen.</translation>
    </message>
    <message>
        <source>Start or stop the subtitles</source>
        <translation>Untertitel starten oder anhalten</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later</source>
        <translation>Untertitel 100 ms später</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier</source>
        <translation>Untertitel 100 ms früher</translation>
    </message>
    <message>
        <source>To the previous subtitle</source>
        <translation>Zum vorigen Untertitel</translation>
    </message>
    <message>
        <source>To the next subtitle</source>
        <translation>Zum nächsten Untertitel</translation>
    </message>
</context>
<context>
    <name>MainCtrl</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>This file looks like %1.</source>
        <translation>Diese Datei sieht nach %1 aus.</translation>
    </message>
    <message>
        <source>Use these</source>
        <translation>Diese verwenden</translation>
    </message>
    <message>
        <source>No subtitles found in %1</source>
        <translation>Keine Untertitel in %1 gefunden</translation>
    </message>
    <message>
        <source>Nothing loaded: no subtitles in %1.</source>
        <translation>Nichts geladen: keine Untertitel in %1.</translation>
    </message>
    <message>
        <source>This looks like %1, which Subclock cannot read.</source>
        <translation>Das sieht nach %1 aus, und das kann Subclock nicht lesen.</translation>
    </message>
    <message>
        <source>This looks like %1. Subclock reads it with the encoding on Automatic; a chosen encoding reads SubRip (.srt) files only.</source>
        <translation>Das sieht nach %1 aus. Subclock liest es mit der Kodierung „Automatisch“; mit einer gewählten Kodierung liest es nur SubRip-Dateien (.srt).</translation>
    </message>
    <message>
        <source>This looks like %1, but no subtitles could be read in it.</source>
        <translation>Das sieht nach %1 aus, aber es ließen sich keine Untertitel daraus lesen.</translation>
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
        <translation>Wiedergabeposition (Stunden:Minuten:Sekunden:Millisekunden)</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Skip back by the slider&apos;s seconds (Left)</source>
        <translation>Um die Sekunden des Schiebereglers zurückspringen (Links)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Start or stop playback (Space)</source>
        <translation>Wiedergabe starten oder stoppen (Leertaste)</translation>
    </message>
    <message>
        <source>Fast-forward</source>
        <translation>Vorspulen</translation>
    </message>
    <message>
        <source>Skip ahead by the slider&apos;s seconds (Right)</source>
        <translation>Um die Sekunden des Schiebereglers vorspringen (Rechts)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Back to 00:00:00:000 (Home)</source>
        <translation>Zurück auf 00:00:00:000 (Pos1)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Print the position to standard output; two marks make one time line (M)</source>
        <translation>Die Position auf die Standardausgabe schreiben; zwei Markierungen ergeben eine Zeitzeile (M)</translation>
    </message>
    <message>
        <source>Skip (seconds):</source>
        <translation>Sprung (Sekunden):</translation>
    </message>
    <message>
        <source>Seconds that Rewind and Fast-forward skip</source>
        <translation>Sekunden, die Zurück- und Vorspulen überspringen</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Datei wählen …</translation>
    </message>
    <message>
        <source>Choose a subtitle file (Ctrl+O)</source>
        <translation>Eine Untertiteldatei wählen (Strg+O)</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Keine Datei gewählt</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Kodierung:</translation>
    </message>
    <message>
        <source>Text encoding of the file; Automatic finds it from the file</source>
        <translation>Textkodierung der Datei; Automatisch erkennt sie aus der Datei</translation>
    </message>
    <message>
        <source>Line ending:</source>
        <translation>Zeilenende:</translation>
    </message>
    <message>
        <source>Line ending of the file; Automatic finds it from the file</source>
        <translation>Zeilenende der Datei; Automatisch erkennt es aus der Datei</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>CRLF (Windows)</source>
        <translation>CRLF (Windows)</translation>
    </message>
    <message>
        <source>LF (Unix, macOS)</source>
        <translation>LF (Unix, macOS)</translation>
    </message>
    <message>
        <source>CR (classic Mac)</source>
        <translation>CR (klassischer Mac)</translation>
    </message>
</context>
<context>
    <name>MprisFollower</name>
    <message>
        <source>No session D-Bus to find media players on%1.</source>
        <translation>Kein Sitzungs-D-Bus, um Mediaplayer zu finden%1.</translation>
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
        <translation>Keiner</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> % of the panel</source>
        <translation> % der Leiste</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>0 % shows the text only (on a desktop that composites windows)</source>
        <translation>0 % zeigt nur den Text (auf einem Desktop mit Fenster-Compositing)</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Kontur:</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Schatten:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>A translucent background needs a desktop that composites windows; without one it is drawn solid.</source>
        <translation>Ein durchscheinender Hintergrund braucht einen Desktop mit Fenster-Compositing; ohne wird er deckend gezeichnet.</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Maximum width:</source>
        <translation>Maximale Breite:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Wie das System (%1)</translation>
    </message>
    <message>
        <source>The language of the menus, buttons and messages</source>
        <translation>Die Sprache der Menüs, Schaltflächen und Meldungen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>A change takes effect the next time Subclock starts.</source>
        <translation>Eine Änderung wird beim nächsten Start von Subclock wirksam.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>The typeface of the subtitles</source>
        <translation>Die Schriftart der Untertitel</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>The size of the subtitles&apos; text, in points</source>
        <translation>Die Größe des Untertiteltexts in Punkt</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Choose the colour of the text</source>
        <translation>Die Farbe des Textes wählen</translation>
    </message>
    <message>
        <source>Outline width</source>
        <translation>Konturbreite</translation>
    </message>
    <message>
        <source>The width of the outline around the letters</source>
        <translation>Die Breite der Kontur um die Buchstaben</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Konturfarbe</translation>
    </message>
    <message>
        <source>Choose the colour of the outline</source>
        <translation>Die Farbe der Kontur wählen</translation>
    </message>
    <message>
        <source>Shadow offset</source>
        <translation>Schattenversatz</translation>
    </message>
    <message>
        <source>How far the shadow falls from the letters</source>
        <translation>Wie weit der Schatten von den Buchstaben fällt</translation>
    </message>
    <message>
        <source>Shadow colour</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Choose the colour of the shadow</source>
        <translation>Die Farbe des Schattens wählen</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Choose the colour of the band behind the text</source>
        <translation>Die Farbe des Bands hinter dem Text wählen</translation>
    </message>
    <message>
        <source>Background opacity</source>
        <translation>Deckkraft des Hintergrunds</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Where the lines sit in the panel</source>
        <translation>Wo die Zeilen in der Leiste stehen</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Maximale Breite</translation>
    </message>
    <message>
        <source>The widest a line may be, as a share of the panel</source>
        <translation>Die größte Breite einer Zeile, als Anteil der Leiste</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Diese Einstellungen behalten</translation>
    </message>
    <message>
        <source>Put the panel back as it was</source>
        <translation>Die Leiste wieder so zeigen, wie sie war</translation>
    </message>
    <message>
        <source>Show the panel&apos;s default look</source>
        <translation>Die Leiste im Standardaussehen zeigen</translation>
    </message>
    <message>
        <source>Under the first, in the panel</source>
        <translation>Unter der ersten, in der Leiste</translation>
    </message>
    <message>
        <source>Over the first, in the panel</source>
        <translation>Über der ersten, in der Leiste</translation>
    </message>
    <message>
        <source>At the top of the screen</source>
        <translation>Oben am Bildschirm</translation>
    </message>
    <message>
        <source>e.g. en</source>
        <translation>z. B. en</translation>
    </message>
    <message>
        <source>Following a player, movie.LANG.srt beside its video is loaded as the second track</source>
        <translation>Beim Folgen eines Players wird movie.LANG.srt neben seinem Video als zweite Spur geladen</translation>
    </message>
    <message>
        <source>Shows:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Language beside a video:</source>
        <translation>Sprache neben einem Video:</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Zweite Spur</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Keys work while another program has the focus</source>
        <translation>Tasten wirken auch, während ein anderes Programm den Fokus hat</translation>
    </message>
    <message>
        <source>Start / Stop:</source>
        <translation>Starten / Stoppen:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later:</source>
        <translation>Untertitel 100 ms später:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier:</source>
        <translation>Untertitel 100 ms früher:</translation>
    </message>
    <message>
        <source>Previous subtitle:</source>
        <translation>Vorheriger Untertitel:</translation>
    </message>
    <message>
        <source>Next subtitle:</source>
        <translation>Nächster Untertitel:</translation>
    </message>
    <message>
        <source>for example Ctrl+Alt+Space</source>
        <translation>zum Beispiel Ctrl+Alt+Space</translation>
    </message>
    <message>
        <source>Where the second track&apos;s line shows</source>
        <translation>Wo die Zeile der zweiten Spur erscheint</translation>
    </message>
    <message>
        <source>The size of the second track&apos;s text, in points</source>
        <translation>Die Größe des Texts der zweiten Spur in Punkt</translation>
    </message>
    <message>
        <source>Choose the colour of the second track&apos;s text</source>
        <translation>Die Farbe des Texts der zweiten Spur wählen</translation>
    </message>
    <message>
        <source>Grab the keys below for Subclock on the whole desktop</source>
        <translation>Die folgenden Tasten auf dem ganzen Desktop für Subclock belegen</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>keine Taste</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Plays a SubRip (.srt) subtitle file against a running clock.
Settings (encoding, line ending, last file, player followed) are kept in %1.</source>
        <translation>Spielt eine SubRip-Untertiteldatei (.srt) zu einer laufenden Uhr ab.
Einstellungen (Kodierung, Zeilenende, letzte Datei, gefolgter Player) werden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Subtitle file to choose at start-up.</source>
        <translation>Beim Start zu wählende Untertiteldatei.</translation>
    </message>
    <message>
        <source>Append each cue made (by Mark or by holding N) to &lt;file&gt; as SubRip, flushed as it is made.</source>
        <translation>Jeden erstellten Einsatz (mit Markieren oder durch Halten von N) sofort als SubRip an &lt;file&gt; anhängen.</translation>
    </message>
    <message>
        <source>Follow a media player: the first playing, or the one whose bus name or identity contains NAME (--follow=NAME).</source>
        <translation>Einem Mediaplayer folgen: dem ersten, der abspielt, oder dem, dessen Busname oder Identität NAME enthält (--follow=NAME).</translation>
    </message>
    <message>
        <source>Line the subtitles up with the speech of &lt;video&gt; at start (Sync to Video).</source>
        <translation>Die Untertitel beim Start an der Sprache von &lt;video&gt; ausrichten (Mit Video abgleichen).</translation>
    </message>
    <message>
        <source>Publish what is shown on the session bus.</source>
        <translation>Das Angezeigte auf dem Sitzungsbus veröffentlichen.</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeitsteuerung</translation>
    </message>
    <message>
        <source>F&amp;ollow</source>
        <translation>&amp;Folgen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Choose File…	Ctrl+O</source>
        <translation>Datei &amp;wählen …	Strg+O</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Beenden	Strg+Q</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Panel</source>
        <translation>&amp;Leiste anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Markup</source>
        <translation>&amp;Auszeichnungen anzeigen</translation>
    </message>
    <message>
        <source>Panel Lets Clicks &amp;Through</source>
        <translation>Klicks durch die Leiste &amp;durchlassen</translation>
    </message>
    <message>
        <source>Clicks go through the panel: turn off</source>
        <translation>Klicks gehen durch die Leiste: ausschalten</translation>
    </message>
    <message>
        <source>Hide Panel</source>
        <translation>Leiste ausblenden</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Plain text files (*.txt *.text)</source>
        <translation>Textdateien (*.txt *.text)</translation>
    </message>
    <message>
        <source>Subtitle files (%1)</source>
        <translation>Untertiteldateien (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose a subtitle file</source>
        <translation>Eine Untertiteldatei wählen</translation>
    </message>
    <message>
        <source>Let the panel take clicks again (Ctrl+Shift+P)</source>
        <translation>Die Leiste nimmt wieder Klicks an (Strg+Umschalt+P)</translation>
    </message>
    <message>
        <source>A second subtitle track, shown with FILE on the same clock (another language, say).</source>
        <translation>Eine zweite Untertitelspur, mit FILE zur selben Uhr gezeigt (etwa in einer anderen Sprache).</translation>
    </message>
    <message>
        <source>Second Trac&amp;k…</source>
        <translation>&amp;Zweite Spur …</translation>
    </message>
    <message>
        <source>Close Second Track</source>
        <translation>Zweite Spur schließen</translation>
    </message>
    <message>
        <source>Timing Keys Act &amp;On</source>
        <translation>Timing-Tasten &amp;wirken auf</translation>
    </message>
    <message>
        <source>&amp;First Track</source>
        <translation>&amp;Erste Spur</translation>
    </message>
    <message>
        <source>&amp;Second Track</source>
        <translation>&amp;Zweite Spur</translation>
    </message>
    <message>
        <source>Show First Track</source>
        <translation>Erste Spur anzeigen</translation>
    </message>
    <message>
        <source>Show Second Track</source>
        <translation>Zweite Spur anzeigen</translation>
    </message>
</context>
<context>
    <name>QtReadingView</name>
    <message>
        <source>Skipped blocks</source>
        <translation>Übersprungene Blöcke</translation>
    </message>
    <message>
        <source>Blocks skipped, by the line they start on: %1</source>
        <translation>Übersprungene Blöcke, nach ihrer Anfangszeile: %1</translation>
    </message>
    <message>
        <source>Recent messages:</source>
        <translation>Letzte Meldungen:</translation>
    </message>
    <message>
        <source>(which lines?)</source>
        <translation>(welche Zeilen?)</translation>
    </message>
</context>
<context>
    <name>ReadingChoice</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 subtitle</source>
        <translation>%1 Untertitel</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>%1 Untertitel</translation>
    </message>
    <message>
        <source>%1 block skipped</source>
        <translation>%1 Block übersprungen</translation>
    </message>
    <message>
        <source>%1 blocks skipped</source>
        <translation>%1 Blöcke übersprungen</translation>
    </message>
    <message>
        <source>%1 with %2 line endings</source>
        <translation>%1 mit %2-Zeilenenden</translation>
    </message>
    <message>
        <source>%1 fps assumed</source>
        <translation>%1 B/s angenommen</translation>
    </message>
</context>
<context>
    <name>Resync</name>
    <message>
        <source>delay %1</source>
        <translation>Verzögerung %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>Geschwindigkeit %1</translation>
    </message>
    <message>
        <source>23.976 → 25 fps</source>
        <translation>23,976 → 25 B/s</translation>
    </message>
    <message>
        <source>25 → 23.976 fps</source>
        <translation>25 → 23,976 B/s</translation>
    </message>
    <message>
        <source>23.976 → 24 or 29.97 → 30 fps</source>
        <translation>23,976 → 24 oder 29,97 → 30 B/s</translation>
    </message>
    <message>
        <source>24 → 23.976 or 30 → 29.97 fps</source>
        <translation>24 → 23,976 oder 30 → 29,97 B/s</translation>
    </message>
    <message>
        <source>24 → 25 fps</source>
        <translation>24 → 25 B/s</translation>
    </message>
    <message>
        <source>25 → 24 fps</source>
        <translation>25 → 24 B/s</translation>
    </message>
    <message>
        <source>from %1 %2</source>
        <translation>ab %1 %2</translation>
    </message>
</context>
<context>
    <name>SeekBar</name>
    <message>
        <source>no subtitles</source>
        <translation>keine Untertitel</translation>
    </message>
    <message>
        <source>  after the end</source>
        <translation>  nach dem Ende</translation>
    </message>
    <message>
        <source>Click or drag to seek</source>
        <translation>Klicken oder ziehen, um zu springen</translation>
    </message>
</context>
<context>
    <name>SpeechMatch</name>
    <message>
        <source>No speech found in the video.</source>
        <translation>Im Video wurde keine Sprache gefunden.</translation>
    </message>
    <message>
        <source>No clear match between the subtitles and the speech.</source>
        <translation>Keine eindeutige Übereinstimmung zwischen Untertiteln und Sprache.</translation>
    </message>
    <message>
        <source>delay %1</source>
        <translation>Verzögerung %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>likely</source>
        <translation>wahrscheinlich</translation>
    </message>
</context>
<context>
    <name>SubtitleList</name>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Wortlaut</translation>
    </message>
    <message>
        <source>Show only the subtitles that contain this text</source>
        <translation>Nur die Untertitel zeigen, die diesen Text enthalten</translation>
    </message>
    <message>
        <source>Every subtitle of the file; double-click one to go to it</source>
        <translation>Alle Untertitel der Datei; Doppelklick springt zum Untertitel</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Zweite Spur</translation>
    </message>
</context>
<context>
    <name>SubtitleLoader</name>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen …</translation>
    </message>
</context>
<context>
    <name>SubtitlePanel</name>
    <message>
        <source>Subclock Subtitles</source>
        <translation>Subclock-Untertitel</translation>
    </message>
    <message>
        <source>The subtitle being shown</source>
        <translation>Der angezeigte Untertitel</translation>
    </message>
    <message>
        <source>Subtitles show here. Drag to move, drag an edge to resize; right-click for more.</source>
        <translation>Hier erscheinen die Untertitel. Ziehen verschiebt, Ziehen am Rand ändert die Größe; Rechtsklick für mehr.</translation>
    </message>
</context>
<context>
    <name>SubtitleTiming</name>
    <message>
        <source>timing restored: %1</source>
        <translation>Timing wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>No subtitle after this point to catch.</source>
        <translation>Nach dieser Stelle gibt es keinen Untertitel zum Fangen.</translation>
    </message>
    <message>
        <source>No subtitle before this point to catch.</source>
        <translation>Vor dieser Stelle gibt es keinen Untertitel zum Fangen.</translation>
    </message>
    <message>
        <source>Caught line %1.</source>
        <translation>Zeile %1 gefangen.</translation>
    </message>
    <message>
        <source>Caught line %1: %2.</source>
        <translation>Zeile %1 gefangen: %2.</translation>
    </message>
    <message>
        <source>Caught line %1: speed %2.</source>
        <translation>Zeile %1 gefangen: Geschwindigkeit %2.</translation>
    </message>
    <message>
        <source>Caught line %1: no likely speed, delay only.</source>
        <translation>Zeile %1 gefangen: keine plausible Geschwindigkeit, nur Verzögerung.</translation>
    </message>
    <message>
        <source>Caught line %1. One more a minute away solves the speed.</source>
        <translation>Zeile %1 gefangen. Eine weitere, eine Minute entfernt, ergibt die Geschwindigkeit.</translation>
    </message>
</context>
<context>
    <name>SyncControls</name>
    <message>
        <source>Sync…</source>
        <translation>Abgleichen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Subtitle timing: z/x move the subtitles by 100 ms</source>
        <translation>Untertitel-Timing: z/x verschieben die Untertitel um 100 ms</translation>
    </message>
    <message>
        <source>Sync to Video: find the delay and speed from the speech</source>
        <translation>Mit Video abgleichen: Verzögerung und Geschwindigkeit aus der Sprache bestimmen</translation>
    </message>
    <message>
        <source>&amp;Subtitles</source>
        <translation>&amp;Untertitel</translation>
    </message>
    <message>
        <source>&amp;Previous Subtitle</source>
        <translation>&amp;Vorheriger Untertitel</translation>
    </message>
    <message>
        <source>&amp;Next Subtitle</source>
        <translation>&amp;Nächster Untertitel</translation>
    </message>
    <message>
        <source>&amp;Go to Time…</source>
        <translation>&amp;Gehe zu Zeit …</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Earlier</source>
        <translation>Untertitel 100 ms &amp;früher</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Later</source>
        <translation>Untertitel 100 ms &amp;später</translation>
    </message>
    <message>
        <source>&amp;Catch Next Line Now</source>
        <translation>Nächste Zeile jetzt f&amp;angen</translation>
    </message>
    <message>
        <source>Catch P&amp;revious Line Now</source>
        <translation>Vorherige Zeile &amp;jetzt fangen</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>Ges&amp;chwindigkeit</translation>
    </message>
    <message>
        <source>Same frame rate (1)</source>
        <translation>Gleiche Bildrate (1)</translation>
    </message>
    <message>
        <source>Reset &amp;Timing</source>
        <translation>&amp;Timing zurücksetzen</translation>
    </message>
    <message>
        <source>Sync to &amp;Video…</source>
        <translation>Mit Vi&amp;deo abgleichen …</translation>
    </message>
    <message>
        <source>Save Subtitles &amp;As…</source>
        <translation>Untertitel speichern &amp;unter …</translation>
    </message>
    <message>
        <source>Go to Time</source>
        <translation>Gehe zu Zeit</translation>
    </message>
    <message>
        <source>Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):</source>
        <translation>Zeit (1:02:03.5, 01:02:03,500, 62:03 oder 3723.5 Sekunden):</translation>
    </message>
    <message>
        <source>No subtitles have been read yet.</source>
        <translation>Es wurden noch keine Untertitel gelesen.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Untertitel speichern unter</translation>
    </message>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Es wurden noch keine Untertitel gelesen: Eine Datei wählen oder Start drücken, um die gewählte zu lesen.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt);;All files (*)</source>
        <translation>SubRip-Untertitel (*.srt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Replace the Opened File?</source>
        <translation>Geöffnete Datei ersetzen?</translation>
    </message>
    <message>
        <source>Replace the File?</source>
        <translation>Datei ersetzen?</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from. Replacing it loses its original times, and it will be written as UTF-8.</source>
        <translation>Aus dieser Datei wurden die Untertitel gelesen. Beim Ersetzen gehen ihre ursprünglichen Zeiten verloren, und sie wird als UTF-8 geschrieben.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>The subtitles could not be saved: %1</source>
        <translation>Die Untertitel konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Sync to Video</source>
        <translation>Mit Video abgleichen</translation>
    </message>
    <message>
        <source>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;All files (*)</source>
        <translation>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Listening to %1… %p%</source>
        <translation>%1 wird angehört … %p%</translation>
    </message>
    <message>
        <source>Stop listening to the video</source>
        <translation>Das Anhören des Videos abbrechen</translation>
    </message>
    <message>
        <source>Use the delay and speed found</source>
        <translation>Die gefundene Verzögerung und Geschwindigkeit verwenden</translation>
    </message>
    <message>
        <source>Put back the timing from before the sync</source>
        <translation>Das Timing von vor dem Abgleich wiederherstellen</translation>
    </message>
    <message>
        <source>Hide the result</source>
        <translation>Das Ergebnis ausblenden</translation>
    </message>
    <message>
        <source>Subtitle L&amp;ist</source>
        <translation>Untertitel&amp;liste</translation>
    </message>
    <message>
        <source>Listen to S&amp;ync</source>
        <translation>Nach Ge&amp;hör abgleichen</translation>
    </message>
    <message>
        <source>Record a minute of what the desktop plays (a video in a browser) and find the delay from its speech; nothing is kept</source>
        <translation>Eine Minute dessen aufnehmen, was der Desktop abspielt (ein Video im Browser), und die Verzögerung aus der Sprache bestimmen; nichts wird gespeichert</translation>
    </message>
    <message>
        <source>No second track is loaded: choose one with Subtitles ▸ Second Track….</source>
        <translation>Keine zweite Spur geladen: Eine über Untertitel ▸ Zweite Spur … wählen.</translation>
    </message>
    <message>
        <source>Listening to the desktop… %p%</source>
        <translation>Der Desktop wird angehört … %p%</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from (%1). Replacing it writes SubRip in its place: its original times, styles and positions are lost, and it will be written as UTF-8.</source>
        <translation>Aus dieser Datei wurden die Untertitel gelesen (%1). Ersetzen schreibt an ihre Stelle SubRip: Ihre ursprünglichen Zeiten, Stile und Positionen gehen verloren, und sie wird als UTF-8 geschrieben.</translation>
    </message>
</context>
</TS>
