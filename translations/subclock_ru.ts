<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AutoSync</name>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Субтитры ещё не прочитаны: выберите файл или нажмите «Старт», чтобы прочитать выбранный.</translation>
    </message>
    <message>
        <source>The video could not be heard: %1</source>
        <translation>Не удалось прослушать видео: %1</translation>
    </message>
    <message>
        <source>The subtitles changed since the video was heard: sync again.</source>
        <translation>Субтитры изменились после прослушивания видео: синхронизируйте заново.</translation>
    </message>
    <message>
        <source>The desktop&apos;s sound could not be recorded: %1</source>
        <translation>Не удалось записать звук рабочего стола: %1</translation>
    </message>
    <message>
        <source>Too little speech in the minute heard: listen again while people talk.</source>
        <translation>Слишком мало речи за прослушанную минуту: послушайте снова, пока люди говорят.</translation>
    </message>
</context>
<context>
    <name>CuePane</name>
    <message>
        <source>Show or hide the Timing pane (Ctrl+T)</source>
        <translation>Показать или скрыть панель «Тайминг» (Ctrl+T)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Отклонить</translation>
    </message>
    <message>
        <source>Hold to time</source>
        <translation>Удерживать для тайминга</translation>
    </message>
    <message>
        <source>Hold down to make a cue: press at its start, let go at its end (or hold N)</source>
        <translation>Удерживайте, чтобы создать реплику: нажмите в начале, отпустите в конце (или удерживайте N)</translation>
    </message>
    <message>
        <source>Open Script…</source>
        <translation>Открыть сценарий…</translation>
    </message>
    <message>
        <source>A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines</source>
        <translation>Сценарий в виде простого текста: один субтитр на абзац, абзацы разделены пустыми строками</translation>
    </message>
    <message>
        <source>Save Cues As…</source>
        <translation>Сохранить реплики как…</translation>
    </message>
    <message>
        <source>Write the cues as a SubRip file</source>
        <translation>Записать реплики в файл SubRip</translation>
    </message>
    <message>
        <source>Copy as SRT</source>
        <translation>Копировать как SRT</translation>
    </message>
    <message>
        <source>Put the cues on the clipboard as SubRip</source>
        <translation>Поместить реплики в буфер обмена в формате SubRip</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete the selected cues (Delete)</source>
        <translation>Удалить выбранные реплики (Delete)</translation>
    </message>
    <message>
        <source>No script: cues get empty texts. Hold N or the button to time one.</source>
        <translation>Нет сценария: реплики будут пустыми. Удерживайте N или кнопку, чтобы задать одну.</translation>
    </message>
    <message>
        <source>%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)</source>
        <translation>%1: далее абзац %2 из %3 (Ctrl+Вправо — пропустить, Ctrl+Влево — назад)</translation>
    </message>
    <message>
        <source>%1: all %2 paragraphs used (Ctrl+Left goes back)</source>
        <translation>%1: использованы все абзацы (%2) (Ctrl+Влево — назад)</translation>
    </message>
    <message>
        <source>(end of the script)</source>
        <translation>(конец сценария)</translation>
    </message>
    <message>
        <source>Could not save the session to %1</source>
        <translation>Не удалось сохранить сеанс в %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>no script</source>
        <translation>без сценария</translation>
    </message>
    <message>
        <source>Restore the last session? %1, begun %2, %3.</source>
        <translation>Восстановить последний сеанс? %1, начат %2, %3.</translation>
    </message>
    <message>
        <source>1 cue</source>
        <translation>1 реплика</translation>
    </message>
    <message>
        <source>%1 cues</source>
        <translation>реплик: %1</translation>
    </message>
    <message>
        <source>Open Script</source>
        <translation>Открыть сценарий</translation>
    </message>
    <message>
        <source>“%1” is not text in any encoding Subclock knows.</source>
        <translation>«%1» не является текстом ни в одной кодировке, известной Subclock.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>Не удалось прочитать «%1».</translation>
    </message>
    <message>
        <source>Save Cues As</source>
        <translation>Сохранить реплики как</translation>
    </message>
    <message>
        <source>The cues could not be written to “%1”.</source>
        <translation>Не удалось записать реплики в «%1».</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>SubRip, Windows line endings (*.srt)</source>
        <translation>SubRip, концы строк Windows (*.srt)</translation>
    </message>
    <message>
        <source>SubRip, Unix line endings (*.srt)</source>
        <translation>SubRip, концы строк Unix (*.srt)</translation>
    </message>
    <message>
        <source>Take up the last session&apos;s cues and script again</source>
        <translation>Вернуться к репликам и сценарию прошлого сеанса</translation>
    </message>
    <message>
        <source>Start afresh; the last session stays on disk</source>
        <translation>Начать заново; прошлый сеанс остаётся на диске</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Реплики</translation>
    </message>
    <message>
        <source>The cues made, with their times and texts; Delete removes the selected ones</source>
        <translation>Созданные реплики со временем и текстом; Delete удаляет выбранные</translation>
    </message>
</context>
<context>
    <name>CueTableModel</name>
    <message>
        <source>#</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>Encodings</name>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Юникод (UTF-8)</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Юникод</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>Японская (Shift JIS)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японская</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Японская (EUC)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Японская (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (ASCII)</source>
        <translation>Западная (ASCII)</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Западная</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Западная (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Западная (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Западная (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Западная (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Центральноевропейская (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Центральноевропейская (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Кириллица (Windows)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Кириллица (KOI8-R)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Украинская (KOI8-U)</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинская</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Греческая (Windows)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Греческая (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Турецкая (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Иврит (Windows)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Арабская (Windows)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Балтийская (Windows)</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Вьетнамская (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Тайская (Windows, DOS)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
    <message>
        <source>Chinese (GB 18030)</source>
        <translation>Китайская (GB 18030)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайская</translation>
    </message>
    <message>
        <source>Chinese (GBK)</source>
        <translation>Китайская (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Упрощённая китайская</translation>
    </message>
    <message>
        <source>Chinese (Big 5)</source>
        <translation>Китайская (Big 5)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Традиционная китайская</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Корейская (EUC)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейская</translation>
    </message>
    <message>
        <source>Unicode (UTF-16)</source>
        <translation>Юникод (UTF-16)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16BE)</source>
        <translation>Юникод (UTF-16BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16LE)</source>
        <translation>Юникод (UTF-16LE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32)</source>
        <translation>Юникод (UTF-32)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32BE)</source>
        <translation>Юникод (UTF-32BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32LE)</source>
        <translation>Юникод (UTF-32LE)</translation>
    </message>
</context>
<context>
    <name>FollowSession</name>
    <message>
        <source>Waiting for a media player to follow.</source>
        <translation>Ожидание проигрывателя для слежения.</translation>
    </message>
    <message>
        <source>Waiting for a media player named “%1” to follow.</source>
        <translation>Ожидание проигрывателя «%1» для слежения.</translation>
    </message>
    <message>
        <source>Own clock, paused at %1.</source>
        <translation>Собственные часы, пауза на %1.</translation>
    </message>
    <message>
        <source>Following %1.</source>
        <translation>Слежение за %1.</translation>
    </message>
    <message>
        <source>Following %1; keeping the subtitles you chose.</source>
        <translation>Слежение за %1; выбранные субтитры сохранены.</translation>
    </message>
    <message>
        <source>%1 plays %2, not a local file: the subtitles stay as they are.</source>
        <translation>%1 воспроизводит %2, это не локальный файл: субтитры остаются прежними.</translation>
    </message>
    <message>
        <source>No subtitles beside %1: the subtitles stay as they are.</source>
        <translation>Рядом с %1 нет субтитров: субтитры остаются прежними.</translation>
    </message>
    <message>
        <source>Loaded %1 from %2, beside the video %3 plays.</source>
        <translation>Загружен %1 из %2, рядом с видео, которое воспроизводит %3.</translation>
    </message>
    <message>
        <source>%1 quit: back to the own clock, paused at %2.</source>
        <translation>%1 завершился: снова собственные часы, пауза на %2.</translation>
    </message>
    <message>
        <source>%1 does not report its position.</source>
        <translation>%1 не сообщает позицию.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 does not report its position: the time shown is the own clock&apos;s, pausing and resuming with it.</source>
        <translation>%1 не сообщает свою позицию: показано время собственных часов, которые приостанавливаются и продолжаются вместе с ним.</translation>
    </message>
</context>
<context>
    <name>Following</name>
    <message>
        <source>Use own clock</source>
        <translation>Собственные часы</translation>
    </message>
    <message>
        <source>Own clock</source>
        <translation>Собственные часы</translation>
    </message>
    <message>
        <source>Count from Start, as without a player</source>
        <translation>Отсчёт от «Старт», как без проигрывателя</translation>
    </message>
    <message>
        <source>Take the position from %1</source>
        <translation>Брать позицию из %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>%1 does not let others control it</source>
        <translation>%1 не позволяет управлять собой</translation>
    </message>
    <message>
        <source>%1 does not allow pausing</source>
        <translation>%1 не позволяет ставить на паузу</translation>
    </message>
    <message>
        <source>%1 does not allow seeking</source>
        <translation>%1 не позволяет перематывать</translation>
    </message>
    <message>
        <source>Stop following the player and count from Start again</source>
        <translation>Перестать следить за проигрывателем и снова считать от «Старт»</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Keys that work while another program has the focus need an X11 or Wayland desktop.</source>
        <translation>Клавишам, работающим, пока фокус у другой программы, нужен рабочий стол X11 или Wayland.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key combination (for example Ctrl+Alt+Space).</source>
        <translation>«%1» — не комбинация клавиш (например, Ctrl+Alt+Space).</translation>
    </message>
    <message>
        <source>%1 alone would be taken from every program: add Ctrl, Alt or Meta.</source>
        <translation>Клавиша %1 без модификаторов была бы отнята у всех программ: добавьте Ctrl, Alt или Meta.</translation>
    </message>
    <message>
        <source>%1 is already chosen for another action.</source>
        <translation>Комбинация %1 уже назначена другому действию.</translation>
    </message>
    <message>
        <source>%1 is held by another program; choose other keys.</source>
        <translation>Комбинация %1 занята другой программой; выберите другие клавиши.</translation>
    </message>
    <message>
        <source>On Wayland only the desktop can give a program keys that work while another has the focus, and the desktop has no global-shortcuts portal. Use the desktop&apos;s own shortcut settings to run &quot;playerctl -p subclock play-pause&quot; and the like.</source>
        <translation>В Wayland только рабочий стол может дать программе клавиши, работающие, пока фокус у другой программы, а у этого рабочего стола нет портала глобальных комбинаций клавиш. Назначьте в настройках комбинаций клавиш самого рабочего стола запуск «playerctl -p subclock play-pause» и подобных команд.</translation>
    </message>
    <message>
        <source>The desktop gives these keys: it may ask you to confirm them, and they are changed in its own settings.</source>
        <translation>Эти клавиши назначает рабочий стол: он может попросить их подтвердить, а меняются они в его собственных настройках.</translation>
    </message>
    <message>
        <source>This is a Wayland session and the desktop has no global-shortcuts portal: keys taken through XWayland work only while an X11 program has the focus.</source>
        <translation>Это сеанс Wayland, и у рабочего стола нет портала глобальных комбинаций клавиш: клавиши, захваченные через XWayland, работают, только пока фокус у программы X11.</translation>
    </message>
    <message>
        <source>Turn the keys on to ask the desktop for them.</source>
        <translation>Включите клавиши, чтобы запросить их у рабочего стола.</translation>
    </message>
    <message>
        <source>Asking the desktop for the keys…</source>
        <translation>Клавиши запрашиваются у рабочего стола…</translation>
    </message>
    <message>
        <source>The desktop gave these keys:</source>
        <translation>Рабочий стол назначил эти клавиши:</translation>
    </message>
    <message>
        <source>The desktop&apos;s dialog was cancelled: no keys were given.</source>
        <translation>Диалог рабочего стола отменён: клавиши не назначены.</translation>
    </message>
    <message>
        <source>The desktop did not give the keys.</source>
        <translation>Рабочий стол не назначил клавиши.</translation>
    </message>
    <message>
        <source>The desktop took the keys back.</source>
        <translation>Рабочий стол отозвал клавиши.</translation>
    </message>
    <message>
        <source>Start or stop the subtitles</source>
        <translation>Запустить или остановить субтитры</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later</source>
        <translation>Субтитры на 100 мс позже</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier</source>
        <translation>Субтитры на 100 мс раньше</translation>
    </message>
    <message>
        <source>To the previous subtitle</source>
        <translation>К предыдущему субтитру</translation>
    </message>
    <message>
        <source>To the next subtitle</source>
        <translation>К следующему субтитру</translation>
    </message>
</context>
<context>
    <name>MainCtrl</name>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>This file looks like %1.</source>
        <translation>Похоже, этот файл в %1.</translation>
    </message>
    <message>
        <source>Use these</source>
        <translation>Использовать</translation>
    </message>
    <message>
        <source>No subtitles found in %1</source>
        <translation>В %1 не найдено субтитров</translation>
    </message>
    <message>
        <source>Nothing loaded: no subtitles in %1.</source>
        <translation>Ничего не загружено: в %1 нет субтитров.</translation>
    </message>
    <message>
        <source>This looks like %1, which Subclock cannot read.</source>
        <translation>Похоже на %1, а такие файлы Subclock читать не умеет.</translation>
    </message>
    <message>
        <source>This looks like %1. Subclock reads it with the encoding on Automatic; a chosen encoding reads SubRip (.srt) files only.</source>
        <translation>Похоже на %1. Subclock читает его с кодировкой «Автоматически»; с выбранной вручную кодировкой читаются только файлы SubRip (.srt).</translation>
    </message>
    <message>
        <source>This looks like %1, but no subtitles could be read in it.</source>
        <translation>Похоже на %1, но прочитать из него субтитры не удалось.</translation>
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
        <translation>Позиция воспроизведения (часы:минуты:секунды:миллисекунды)</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Skip back by the slider&apos;s seconds (Left)</source>
        <translation>Назад на число секунд с ползунка (Влево)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Start or stop playback (Space)</source>
        <translation>Начать или остановить воспроизведение (Пробел)</translation>
    </message>
    <message>
        <source>Fast-forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Skip ahead by the slider&apos;s seconds (Right)</source>
        <translation>Вперёд на число секунд с ползунка (Вправо)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Back to 00:00:00:000 (Home)</source>
        <translation>Вернуться к 00:00:00:000 (Home)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Отметить</translation>
    </message>
    <message>
        <source>Print the position to standard output; two marks make one time line (M)</source>
        <translation>Вывести позицию в стандартный вывод; две отметки дают одну строку времени (M)</translation>
    </message>
    <message>
        <source>Skip (seconds):</source>
        <translation>Шаг (секунды):</translation>
    </message>
    <message>
        <source>Seconds that Rewind and Fast-forward skip</source>
        <translation>На сколько секунд перематывают «Назад» и «Вперёд»</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Выбрать файл…</translation>
    </message>
    <message>
        <source>Choose a subtitle file (Ctrl+O)</source>
        <translation>Выбрать файл субтитров (Ctrl+O)</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Кодировка:</translation>
    </message>
    <message>
        <source>Text encoding of the file; Automatic finds it from the file</source>
        <translation>Кодировка текста файла; «Автоматически» определяет её по файлу</translation>
    </message>
    <message>
        <source>Line ending:</source>
        <translation>Конец строки:</translation>
    </message>
    <message>
        <source>Line ending of the file; Automatic finds it from the file</source>
        <translation>Конец строки в файле; «Автоматически» определяет его по файлу</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
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
        <translation>CR (классический Mac)</translation>
    </message>
</context>
<context>
    <name>MprisFollower</name>
    <message>
        <source>No session D-Bus to find media players on%1.</source>
        <translation>Нет сеансовой шины D-Bus для поиска проигрывателей%1.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source> pt</source>
        <translation> пт</translation>
    </message>
    <message>
        <source> px</source>
        <translation> пкс</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> % of the panel</source>
        <translation> % ширины панели</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>По левому краю</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>По правому краю</translation>
    </message>
    <message>
        <source>0 % shows the text only (on a desktop that composites windows)</source>
        <translation>0 % — только текст (на рабочем столе с композитингом окон)</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Цвет текста:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Контур:</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Тень:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Фон:</translation>
    </message>
    <message>
        <source>A translucent background needs a desktop that composites windows; without one it is drawn solid.</source>
        <translation>Полупрозрачный фон требует рабочего стола с композитингом окон; без него фон непрозрачный.</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Выравнивание:</translation>
    </message>
    <message>
        <source>Maximum width:</source>
        <translation>Максимальная ширина:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Как в системе (%1)</translation>
    </message>
    <message>
        <source>The language of the menus, buttons and messages</source>
        <translation>Язык меню, кнопок и сообщений</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>A change takes effect the next time Subclock starts.</source>
        <translation>Изменение вступит в силу при следующем запуске Subclock.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>The typeface of the subtitles</source>
        <translation>Гарнитура субтитров</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>The size of the subtitles&apos; text, in points</source>
        <translation>Размер текста субтитров в пунктах</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Choose the colour of the text</source>
        <translation>Выбрать цвет текста</translation>
    </message>
    <message>
        <source>Outline width</source>
        <translation>Толщина контура</translation>
    </message>
    <message>
        <source>The width of the outline around the letters</source>
        <translation>Толщина контура вокруг букв</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Цвет контура</translation>
    </message>
    <message>
        <source>Choose the colour of the outline</source>
        <translation>Выбрать цвет контура</translation>
    </message>
    <message>
        <source>Shadow offset</source>
        <translation>Смещение тени</translation>
    </message>
    <message>
        <source>How far the shadow falls from the letters</source>
        <translation>Насколько тень отстоит от букв</translation>
    </message>
    <message>
        <source>Shadow colour</source>
        <translation>Цвет тени</translation>
    </message>
    <message>
        <source>Choose the colour of the shadow</source>
        <translation>Выбрать цвет тени</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Choose the colour of the band behind the text</source>
        <translation>Выбрать цвет полосы за текстом</translation>
    </message>
    <message>
        <source>Background opacity</source>
        <translation>Непрозрачность фона</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Where the lines sit in the panel</source>
        <translation>Положение строк на панели</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Максимальная ширина</translation>
    </message>
    <message>
        <source>The widest a line may be, as a share of the panel</source>
        <translation>Наибольшая ширина строки как доля панели</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Сохранить эти настройки</translation>
    </message>
    <message>
        <source>Put the panel back as it was</source>
        <translation>Вернуть панель в прежний вид</translation>
    </message>
    <message>
        <source>Show the panel&apos;s default look</source>
        <translation>Показать панель в стандартном виде</translation>
    </message>
    <message>
        <source>Under the first, in the panel</source>
        <translation>Под первой, на панели</translation>
    </message>
    <message>
        <source>Over the first, in the panel</source>
        <translation>Над первой, на панели</translation>
    </message>
    <message>
        <source>At the top of the screen</source>
        <translation>Вверху экрана</translation>
    </message>
    <message>
        <source>e.g. en</source>
        <translation>напр. en</translation>
    </message>
    <message>
        <source>Following a player, movie.LANG.srt beside its video is loaded as the second track</source>
        <translation>При слежении за проигрывателем файл movie.LANG.srt рядом с его видео загружается как вторая дорожка</translation>
    </message>
    <message>
        <source>Shows:</source>
        <translation>Положение:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Language beside a video:</source>
        <translation>Язык рядом с видео:</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Вторая дорожка</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Keys work while another program has the focus</source>
        <translation>Клавиши работают, когда фокус у другой программы</translation>
    </message>
    <message>
        <source>Start / Stop:</source>
        <translation>Старт / Стоп:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later:</source>
        <translation>Субтитры на 100 мс позже:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier:</source>
        <translation>Субтитры на 100 мс раньше:</translation>
    </message>
    <message>
        <source>Previous subtitle:</source>
        <translation>Предыдущий субтитр:</translation>
    </message>
    <message>
        <source>Next subtitle:</source>
        <translation>Следующий субтитр:</translation>
    </message>
    <message>
        <source>for example Ctrl+Alt+Space</source>
        <translation>например, Ctrl+Alt+Space</translation>
    </message>
    <message>
        <source>Where the second track&apos;s line shows</source>
        <translation>Где показывается строка второй дорожки</translation>
    </message>
    <message>
        <source>The size of the second track&apos;s text, in points</source>
        <translation>Размер текста второй дорожки в пунктах</translation>
    </message>
    <message>
        <source>Choose the colour of the second track&apos;s text</source>
        <translation>Выбрать цвет текста второй дорожки</translation>
    </message>
    <message>
        <source>Grab the keys below for Subclock on the whole desktop</source>
        <translation>Закрепить клавиши ниже за Subclock во всём рабочем столе</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>нет клавиши</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Plays a SubRip (.srt) subtitle file against a running clock.
Settings (encoding, line ending, last file, player followed) are kept in %1.</source>
        <translation>Показывает субтитры SubRip (.srt) по идущим часам.
Настройки (кодировка, конец строки, последний файл, проигрыватель) хранятся в %1.</translation>
    </message>
    <message>
        <source>Subtitle file to choose at start-up.</source>
        <translation>Файл субтитров, выбираемый при запуске.</translation>
    </message>
    <message>
        <source>Append each cue made (by Mark or by holding N) to &lt;file&gt; as SubRip, flushed as it is made.</source>
        <translation>Добавлять каждую реплику (по «Отметить» или удержанию N) в &lt;file&gt; в формате SubRip сразу после создания.</translation>
    </message>
    <message>
        <source>Follow a media player: the first playing, or the one whose bus name or identity contains NAME (--follow=NAME).</source>
        <translation>Следить за проигрывателем: первым играющим или тем, чьё имя на шине или название содержит NAME (--follow=NAME).</translation>
    </message>
    <message>
        <source>Line the subtitles up with the speech of &lt;video&gt; at start (Sync to Video).</source>
        <translation>При запуске выровнять субтитры по речи в &lt;video&gt; (Синхронизация с видео).</translation>
    </message>
    <message>
        <source>Publish what is shown on the session bus.</source>
        <translation>Публиковать показываемое на сеансовой шине.</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Тайминг</translation>
    </message>
    <message>
        <source>F&amp;ollow</source>
        <translation>С&amp;ледить</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Choose File…	Ctrl+O</source>
        <translation>&amp;Выбрать файл…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>В&amp;ыход	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Параметры…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Show &amp;Panel</source>
        <translation>Показывать &amp;панель</translation>
    </message>
    <message>
        <source>Show &amp;Markup</source>
        <translation>Показывать &amp;разметку</translation>
    </message>
    <message>
        <source>Panel Lets Clicks &amp;Through</source>
        <translation>Панель пропускает &amp;щелчки</translation>
    </message>
    <message>
        <source>Clicks go through the panel: turn off</source>
        <translation>Щелчки проходят сквозь панель: выключить</translation>
    </message>
    <message>
        <source>Hide Panel</source>
        <translation>Скрыть панель</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Параметры…</translation>
    </message>
    <message>
        <source>Plain text files (*.txt *.text)</source>
        <translation>Текстовые файлы (*.txt *.text)</translation>
    </message>
    <message>
        <source>Subtitle files (%1)</source>
        <translation>Файлы субтитров (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Choose a subtitle file</source>
        <translation>Выбрать файл субтитров</translation>
    </message>
    <message>
        <source>Let the panel take clicks again (Ctrl+Shift+P)</source>
        <translation>Панель снова принимает щелчки (Ctrl+Shift+P)</translation>
    </message>
    <message>
        <source>A second subtitle track, shown with FILE on the same clock (another language, say).</source>
        <translation>Вторая дорожка субтитров, показываемая вместе с FILE по тем же часам (например, на другом языке).</translation>
    </message>
    <message>
        <source>Second Trac&amp;k…</source>
        <translation>Вторая доро&amp;жка…</translation>
    </message>
    <message>
        <source>Close Second Track</source>
        <translation>Закрыть вторую дорожку</translation>
    </message>
    <message>
        <source>Timing Keys Act &amp;On</source>
        <translation>Клавиши тайминга д&amp;ействуют на</translation>
    </message>
    <message>
        <source>&amp;First Track</source>
        <translation>&amp;Первая дорожка</translation>
    </message>
    <message>
        <source>&amp;Second Track</source>
        <translation>&amp;Вторая дорожка</translation>
    </message>
    <message>
        <source>Show First Track</source>
        <translation>Показывать первую дорожку</translation>
    </message>
    <message>
        <source>Show Second Track</source>
        <translation>Показывать вторую дорожку</translation>
    </message>
</context>
<context>
    <name>QtReadingView</name>
    <message>
        <source>Skipped blocks</source>
        <translation>Пропущенные блоки</translation>
    </message>
    <message>
        <source>Blocks skipped, by the line they start on: %1</source>
        <translation>Пропущенные блоки по начальной строке: %1</translation>
    </message>
    <message>
        <source>Recent messages:</source>
        <translation>Последние сообщения:</translation>
    </message>
    <message>
        <source>(which lines?)</source>
        <translation>(какие строки?)</translation>
    </message>
</context>
<context>
    <name>ReadingChoice</name>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 subtitle</source>
        <translation>субтитров: %1</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>субтитров: %1</translation>
    </message>
    <message>
        <source>%1 block skipped</source>
        <translation>пропущено блоков: %1</translation>
    </message>
    <message>
        <source>%1 blocks skipped</source>
        <translation>пропущено блоков: %1</translation>
    </message>
    <message>
        <source>%1 with %2 line endings</source>
        <translation>%1 с концами строк %2</translation>
    </message>
    <message>
        <source>%1 fps assumed</source>
        <translation>предполагается %1 кадр/с</translation>
    </message>
</context>
<context>
    <name>Resync</name>
    <message>
        <source>delay %1</source>
        <translation>задержка %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>скорость %1</translation>
    </message>
    <message>
        <source>23.976 → 25 fps</source>
        <translation>23,976 → 25 кадр/с</translation>
    </message>
    <message>
        <source>25 → 23.976 fps</source>
        <translation>25 → 23,976 кадр/с</translation>
    </message>
    <message>
        <source>23.976 → 24 or 29.97 → 30 fps</source>
        <translation>23,976 → 24 или 29,97 → 30 кадр/с</translation>
    </message>
    <message>
        <source>24 → 23.976 or 30 → 29.97 fps</source>
        <translation>24 → 23,976 или 30 → 29,97 кадр/с</translation>
    </message>
    <message>
        <source>24 → 25 fps</source>
        <translation>24 → 25 кадр/с</translation>
    </message>
    <message>
        <source>25 → 24 fps</source>
        <translation>25 → 24 кадр/с</translation>
    </message>
    <message>
        <source>from %1 %2</source>
        <translation>с %1 %2</translation>
    </message>
</context>
<context>
    <name>SeekBar</name>
    <message>
        <source>no subtitles</source>
        <translation>нет субтитров</translation>
    </message>
    <message>
        <source>  after the end</source>
        <translation>  после конца</translation>
    </message>
    <message>
        <source>Click or drag to seek</source>
        <translation>Щёлкните или перетащите для перемотки</translation>
    </message>
</context>
<context>
    <name>SpeechMatch</name>
    <message>
        <source>No speech found in the video.</source>
        <translation>В видео не найдена речь.</translation>
    </message>
    <message>
        <source>No clear match between the subtitles and the speech.</source>
        <translation>Нет явного совпадения субтитров с речью.</translation>
    </message>
    <message>
        <source>delay %1</source>
        <translation>задержка %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>с</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>надёжно</translation>
    </message>
    <message>
        <source>likely</source>
        <translation>вероятно</translation>
    </message>
</context>
<context>
    <name>SubtitleList</name>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>#</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Show only the subtitles that contain this text</source>
        <translation>Показывать только субтитры с этим текстом</translation>
    </message>
    <message>
        <source>Every subtitle of the file; double-click one to go to it</source>
        <translation>Все субтитры файла; двойной щелчок — перейти к субтитру</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Вторая дорожка</translation>
    </message>
</context>
<context>
    <name>SubtitleLoader</name>
    <message>
        <source>Reading %1…</source>
        <translation>Чтение %1…</translation>
    </message>
</context>
<context>
    <name>SubtitlePanel</name>
    <message>
        <source>Subclock Subtitles</source>
        <translation>Субтитры Subclock</translation>
    </message>
    <message>
        <source>The subtitle being shown</source>
        <translation>Показываемый субтитр</translation>
    </message>
    <message>
        <source>Subtitles show here. Drag to move, drag an edge to resize; right-click for more.</source>
        <translation>Здесь показываются субтитры. Перетащите, чтобы переместить, потяните за край, чтобы изменить размер; правый щелчок — другие действия.</translation>
    </message>
</context>
<context>
    <name>SubtitleTiming</name>
    <message>
        <source>timing restored: %1</source>
        <translation>тайминг восстановлен: %1</translation>
    </message>
    <message>
        <source>No subtitle after this point to catch.</source>
        <translation>После этого места нет субтитра, который можно поймать.</translation>
    </message>
    <message>
        <source>No subtitle before this point to catch.</source>
        <translation>До этого места нет субтитра, который можно поймать.</translation>
    </message>
    <message>
        <source>Caught line %1.</source>
        <translation>Строка %1 поймана.</translation>
    </message>
    <message>
        <source>Caught line %1: %2.</source>
        <translation>Строка %1 поймана: %2.</translation>
    </message>
    <message>
        <source>Caught line %1: speed %2.</source>
        <translation>Строка %1 поймана: скорость %2.</translation>
    </message>
    <message>
        <source>Caught line %1: no likely speed, delay only.</source>
        <translation>Строка %1 поймана: правдоподобной скорости нет, только задержка.</translation>
    </message>
    <message>
        <source>Caught line %1. One more a minute away solves the speed.</source>
        <translation>Строка %1 поймана. Ещё одна, в минуте отсюда, определит скорость.</translation>
    </message>
</context>
<context>
    <name>SyncControls</name>
    <message>
        <source>Sync…</source>
        <translation>Синхронизировать…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Subtitle timing: z/x move the subtitles by 100 ms</source>
        <translation>Тайминг субтитров: z/x сдвигают субтитры на 100 мс</translation>
    </message>
    <message>
        <source>Sync to Video: find the delay and speed from the speech</source>
        <translation>Синхронизация с видео: найти задержку и скорость по речи</translation>
    </message>
    <message>
        <source>&amp;Subtitles</source>
        <translation>&amp;Субтитры</translation>
    </message>
    <message>
        <source>&amp;Previous Subtitle</source>
        <translation>П&amp;редыдущий субтитр</translation>
    </message>
    <message>
        <source>&amp;Next Subtitle</source>
        <translation>С&amp;ледующий субтитр</translation>
    </message>
    <message>
        <source>&amp;Go to Time…</source>
        <translation>Перейти ко &amp;времени…</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Earlier</source>
        <translation>Субтитры на 100 мс ра&amp;ньше</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Later</source>
        <translation>Субтитры на 100 мс &amp;позже</translation>
    </message>
    <message>
        <source>&amp;Catch Next Line Now</source>
        <translation>Пойм&amp;ать следующую строку</translation>
    </message>
    <message>
        <source>Catch P&amp;revious Line Now</source>
        <translation>Поймать пред&amp;ыдущую строку</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Скорость</translation>
    </message>
    <message>
        <source>Same frame rate (1)</source>
        <translation>Та же частота кадров (1)</translation>
    </message>
    <message>
        <source>Reset &amp;Timing</source>
        <translation>Сбросить &amp;тайминг</translation>
    </message>
    <message>
        <source>Sync to &amp;Video…</source>
        <translation>Синхронизировать с ви&amp;део…</translation>
    </message>
    <message>
        <source>Save Subtitles &amp;As…</source>
        <translation>Сохранить субтитры &amp;как…</translation>
    </message>
    <message>
        <source>Go to Time</source>
        <translation>Перейти ко времени</translation>
    </message>
    <message>
        <source>Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):</source>
        <translation>Время (1:02:03.5, 01:02:03,500, 62:03 или 3723.5 секунды):</translation>
    </message>
    <message>
        <source>No subtitles have been read yet.</source>
        <translation>Субтитры ещё не прочитаны.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Сохранить субтитры как</translation>
    </message>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Субтитры ещё не прочитаны: выберите файл или нажмите «Старт», чтобы прочитать выбранный.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt);;All files (*)</source>
        <translation>Субтитры SubRip (*.srt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Replace the Opened File?</source>
        <translation>Заменить открытый файл?</translation>
    </message>
    <message>
        <source>Replace the File?</source>
        <translation>Заменить файл?</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from. Replacing it loses its original times, and it will be written as UTF-8.</source>
        <translation>Из этого файла были прочитаны субтитры. При замене исходные времена будут потеряны, и файл будет записан в UTF-8.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
    <message>
        <source>The subtitles could not be saved: %1</source>
        <translation>Не удалось сохранить субтитры: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 сохранён</translation>
    </message>
    <message>
        <source>Sync to Video</source>
        <translation>Синхронизация с видео</translation>
    </message>
    <message>
        <source>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;All files (*)</source>
        <translation>Видео (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Listening to %1… %p%</source>
        <translation>Прослушивание %1… %p%</translation>
    </message>
    <message>
        <source>Stop listening to the video</source>
        <translation>Прекратить прослушивание видео</translation>
    </message>
    <message>
        <source>Use the delay and speed found</source>
        <translation>Применить найденные задержку и скорость</translation>
    </message>
    <message>
        <source>Put back the timing from before the sync</source>
        <translation>Вернуть тайминг, бывший до синхронизации</translation>
    </message>
    <message>
        <source>Hide the result</source>
        <translation>Скрыть результат</translation>
    </message>
    <message>
        <source>Subtitle L&amp;ist</source>
        <translation>Спис&amp;ок субтитров</translation>
    </message>
    <message>
        <source>Listen to S&amp;ync</source>
        <translation>Синхронизировать на сл&amp;ух</translation>
    </message>
    <message>
        <source>Record a minute of what the desktop plays (a video in a browser) and find the delay from its speech; nothing is kept</source>
        <translation>Записать минуту того, что играет рабочий стол (видео в браузере), и найти задержку по речи; ничего не сохраняется</translation>
    </message>
    <message>
        <source>No second track is loaded: choose one with Subtitles ▸ Second Track….</source>
        <translation>Вторая дорожка не загружена: выберите её через Субтитры ▸ Вторая дорожка….</translation>
    </message>
    <message>
        <source>Listening to the desktop… %p%</source>
        <translation>Прослушивание рабочего стола… %p%</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from (%1). Replacing it writes SubRip in its place: its original times, styles and positions are lost, and it will be written as UTF-8.</source>
        <translation>Это файл, из которого прочитаны субтитры (%1). Замена запишет на его место SubRip: исходные времена, стили и положения будут потеряны, и он будет записан в UTF-8.</translation>
    </message>
</context>
</TS>
