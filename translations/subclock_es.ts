<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AutoSync</name>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Todavía no se ha leído ningún subtítulo: elija un archivo o pulse Iniciar para leer el elegido.</translation>
    </message>
    <message>
        <source>The video could not be heard: %1</source>
        <translation>No se pudo escuchar el vídeo: %1</translation>
    </message>
    <message>
        <source>The subtitles changed since the video was heard: sync again.</source>
        <translation>Los subtítulos cambiaron desde que se escuchó el vídeo: sincronice de nuevo.</translation>
    </message>
    <message>
        <source>The desktop&apos;s sound could not be recorded: %1</source>
        <translation>No se pudo grabar el sonido del escritorio: %1</translation>
    </message>
    <message>
        <source>Too little speech in the minute heard: listen again while people talk.</source>
        <translation>Muy poca voz en el minuto escuchado: vuelva a escuchar mientras alguien habla.</translation>
    </message>
</context>
<context>
    <name>CuePane</name>
    <message>
        <source>Show or hide the Timing pane (Ctrl+T)</source>
        <translation>Mostrar u ocultar el panel Temporización (Ctrl+T)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Hold to time</source>
        <translation>Mantener para temporizar</translation>
    </message>
    <message>
        <source>Hold down to make a cue: press at its start, let go at its end (or hold N)</source>
        <translation>Mantener pulsado para crear una marca: pulsar al inicio, soltar al final (o mantener N)</translation>
    </message>
    <message>
        <source>Open Script…</source>
        <translation>Abrir guion…</translation>
    </message>
    <message>
        <source>A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines</source>
        <translation>Un guion en texto plano: un subtítulo por párrafo, párrafos separados por líneas en blanco</translation>
    </message>
    <message>
        <source>Save Cues As…</source>
        <translation>Guardar marcas como…</translation>
    </message>
    <message>
        <source>Write the cues as a SubRip file</source>
        <translation>Escribir las marcas como archivo SubRip</translation>
    </message>
    <message>
        <source>Copy as SRT</source>
        <translation>Copiar como SRT</translation>
    </message>
    <message>
        <source>Put the cues on the clipboard as SubRip</source>
        <translation>Copiar las marcas al portapapeles como SubRip</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected cues (Delete)</source>
        <translation>Eliminar las marcas seleccionadas (Supr)</translation>
    </message>
    <message>
        <source>No script: cues get empty texts. Hold N or the button to time one.</source>
        <translation>Sin guion: las marcas quedan sin texto. Mantenga N o el botón para temporizar una.</translation>
    </message>
    <message>
        <source>%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)</source>
        <translation>%1: a continuación el párrafo %2 de %3 (Ctrl+Derecha lo salta, Ctrl+Izquierda retrocede)</translation>
    </message>
    <message>
        <source>%1: all %2 paragraphs used (Ctrl+Left goes back)</source>
        <translation>%1: usados los %2 párrafos (Ctrl+Izquierda retrocede)</translation>
    </message>
    <message>
        <source>(end of the script)</source>
        <translation>(fin del guion)</translation>
    </message>
    <message>
        <source>Could not save the session to %1</source>
        <translation>No se pudo guardar la sesión en %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>no script</source>
        <translation>sin guion</translation>
    </message>
    <message>
        <source>Restore the last session? %1, begun %2, %3.</source>
        <translation>¿Restaurar la última sesión? %1, iniciada %2, %3.</translation>
    </message>
    <message>
        <source>1 cue</source>
        <translation>1 marca</translation>
    </message>
    <message>
        <source>%1 cues</source>
        <translation>%1 marcas</translation>
    </message>
    <message>
        <source>Open Script</source>
        <translation>Abrir guion</translation>
    </message>
    <message>
        <source>“%1” is not text in any encoding Subclock knows.</source>
        <translation>«%1» no es texto en ninguna codificación que Subclock conozca.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>No se pudo leer «%1».</translation>
    </message>
    <message>
        <source>Save Cues As</source>
        <translation>Guardar marcas como</translation>
    </message>
    <message>
        <source>The cues could not be written to “%1”.</source>
        <translation>No se pudieron escribir las marcas en «%1».</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>SubRip, Windows line endings (*.srt)</source>
        <translation>SubRip, finales de línea Windows (*.srt)</translation>
    </message>
    <message>
        <source>SubRip, Unix line endings (*.srt)</source>
        <translation>SubRip, finales de línea Unix (*.srt)</translation>
    </message>
    <message>
        <source>Take up the last session&apos;s cues and script again</source>
        <translation>Retomar las marcas y el guion de la última sesión</translation>
    </message>
    <message>
        <source>Start afresh; the last session stays on disk</source>
        <translation>Empezar de nuevo; la última sesión queda en el disco</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>The cues made, with their times and texts; Delete removes the selected ones</source>
        <translation>Las marcas creadas, con sus tiempos y textos; Supr elimina las seleccionadas</translation>
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
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
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
        <translation>Japonés (Shift JIS)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Japonés (EUC)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japonés (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (ASCII)</source>
        <translation>Occidental (ASCII)</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Occidental</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Occidental (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Occidental (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Occidental (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Occidental (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Centroeuropeo (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Centroeuropeo</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Centroeuropeo (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Cirílico (Windows)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cirílico (KOI8-R)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ucraniano (KOI8-U)</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Griego (Windows)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Griego (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Turco (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hebreo (Windows)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Árabe (Windows)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Báltico (Windows)</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamita (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Tailandés (Windows, DOS)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Chinese (GB 18030)</source>
        <translation>Chino (GB 18030)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Chinese (GBK)</source>
        <translation>Chino (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Chinese (Big 5)</source>
        <translation>Chino (Big 5)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Coreano (EUC)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
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
        <translation>Esperando a un reproductor para seguirlo.</translation>
    </message>
    <message>
        <source>Waiting for a media player named “%1” to follow.</source>
        <translation>Esperando a un reproductor llamado «%1» para seguirlo.</translation>
    </message>
    <message>
        <source>Own clock, paused at %1.</source>
        <translation>Reloj propio, en pausa en %1.</translation>
    </message>
    <message>
        <source>Following %1.</source>
        <translation>Siguiendo a %1.</translation>
    </message>
    <message>
        <source>Following %1; keeping the subtitles you chose.</source>
        <translation>Siguiendo a %1; se mantienen los subtítulos elegidos.</translation>
    </message>
    <message>
        <source>%1 plays %2, not a local file: the subtitles stay as they are.</source>
        <translation>%1 reproduce %2, que no es un archivo local: los subtítulos no cambian.</translation>
    </message>
    <message>
        <source>No subtitles beside %1: the subtitles stay as they are.</source>
        <translation>No hay subtítulos junto a %1: los subtítulos no cambian.</translation>
    </message>
    <message>
        <source>Loaded %1 from %2, beside the video %3 plays.</source>
        <translation>Cargado %1 de %2, junto al vídeo que reproduce %3.</translation>
    </message>
    <message>
        <source>%1 quit: back to the own clock, paused at %2.</source>
        <translation>%1 se cerró: vuelta al reloj propio, en pausa en %2.</translation>
    </message>
    <message>
        <source>%1 does not report its position.</source>
        <translation>%1 no informa de su posición.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 does not report its position: the time shown is the own clock&apos;s, pausing and resuming with it.</source>
        <translation>%1 no informa de su posición: el tiempo mostrado es el del reloj propio, que se pausa y se reanuda con él.</translation>
    </message>
</context>
<context>
    <name>Following</name>
    <message>
        <source>Use own clock</source>
        <translation>Usar el reloj propio</translation>
    </message>
    <message>
        <source>Own clock</source>
        <translation>Reloj propio</translation>
    </message>
    <message>
        <source>Count from Start, as without a player</source>
        <translation>Contar desde Iniciar, como sin reproductor</translation>
    </message>
    <message>
        <source>Take the position from %1</source>
        <translation>Tomar la posición de %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>%1 does not let others control it</source>
        <translation>%1 no deja que otros lo controlen</translation>
    </message>
    <message>
        <source>%1 does not allow pausing</source>
        <translation>%1 no permite pausar</translation>
    </message>
    <message>
        <source>%1 does not allow seeking</source>
        <translation>%1 no permite saltar</translation>
    </message>
    <message>
        <source>Stop following the player and count from Start again</source>
        <translation>Dejar de seguir al reproductor y volver a contar desde Iniciar</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Keys that work while another program has the focus need an X11 or Wayland desktop.</source>
        <translation>Las teclas que funcionan mientras otro programa tiene el foco necesitan un escritorio X11 o Wayland.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key combination (for example Ctrl+Alt+Space).</source>
        <translation>«%1» no es una combinación de teclas (por ejemplo Ctrl+Alt+Space).</translation>
    </message>
    <message>
        <source>%1 alone would be taken from every program: add Ctrl, Alt or Meta.</source>
        <translation>Usar %1 sin más se lo quitaría a todos los programas: añada Ctrl, Alt o Meta.</translation>
    </message>
    <message>
        <source>%1 is already chosen for another action.</source>
        <translation>%1 ya se ha elegido para otra acción.</translation>
    </message>
    <message>
        <source>%1 is held by another program; choose other keys.</source>
        <translation>Otro programa ya usa %1; elija otras teclas.</translation>
    </message>
    <message>
        <source>On Wayland only the desktop can give a program keys that work while another has the focus, and the desktop has no global-shortcuts portal. Use the desktop&apos;s own shortcut settings to run &quot;playerctl -p subclock play-pause&quot; and the like.</source>
        <translation>En Wayland solo el escritorio puede dar a un programa teclas que funcionen mientras otro tiene el foco, y este escritorio no tiene portal de atajos globales. Use los ajustes de atajos del propio escritorio para ejecutar «playerctl -p subclock play-pause» y similares.</translation>
    </message>
    <message>
        <source>The desktop gives these keys: it may ask you to confirm them, and they are changed in its own settings.</source>
        <translation>Estas teclas las da el escritorio: puede pedirle que las confirme, y se cambian en sus propios ajustes.</translation>
    </message>
    <message>
        <source>This is a Wayland session and the desktop has no global-shortcuts portal: keys taken through XWayland work only while an X11 program has the focus.</source>
        <translation>Esta es una sesión de Wayland y el escritorio no tiene portal de atajos globales: las teclas tomadas a través de XWayland solo funcionan mientras un programa X11 tiene el foco.</translation>
    </message>
    <message>
        <source>Turn the keys on to ask the desktop for them.</source>
        <translation>Active las teclas para pedírselas al escritorio.</translation>
    </message>
    <message>
        <source>Asking the desktop for the keys…</source>
        <translation>Pidiendo las teclas al escritorio…</translation>
    </message>
    <message>
        <source>The desktop gave these keys:</source>
        <translation>El escritorio dio estas teclas:</translation>
    </message>
    <message>
        <source>The desktop&apos;s dialog was cancelled: no keys were given.</source>
        <translation>Se canceló el diálogo del escritorio: no se dio ninguna tecla.</translation>
    </message>
    <message>
        <source>The desktop did not give the keys.</source>
        <translation>El escritorio no dio las teclas.</translation>
    </message>
    <message>
        <source>The desktop took the keys back.</source>
        <translation>El escritorio retiró las teclas.</translation>
    </message>
    <message>
        <source>Start or stop the subtitles</source>
        <translation>Iniciar o detener los subtítulos</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later</source>
        <translation>Subtítulos 100 ms después</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier</source>
        <translation>Subtítulos 100 ms antes</translation>
    </message>
    <message>
        <source>To the previous subtitle</source>
        <translation>Al subtítulo anterior</translation>
    </message>
    <message>
        <source>To the next subtitle</source>
        <translation>Al subtítulo siguiente</translation>
    </message>
</context>
<context>
    <name>MainCtrl</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>This file looks like %1.</source>
        <translation>Este archivo parece estar en %1.</translation>
    </message>
    <message>
        <source>Use these</source>
        <translation>Usar estos</translation>
    </message>
    <message>
        <source>No subtitles found in %1</source>
        <translation>No se encontraron subtítulos en %1</translation>
    </message>
    <message>
        <source>Nothing loaded: no subtitles in %1.</source>
        <translation>Nada cargado: no hay subtítulos en %1.</translation>
    </message>
    <message>
        <source>This looks like %1, which Subclock cannot read.</source>
        <translation>Esto parece %1, que Subclock no puede leer.</translation>
    </message>
    <message>
        <source>This looks like %1. Subclock reads it with the encoding on Automatic; a chosen encoding reads SubRip (.srt) files only.</source>
        <translation>Esto parece %1. Subclock lo lee con la codificación en «Automática»; con una codificación elegida solo lee archivos SubRip (.srt).</translation>
    </message>
    <message>
        <source>This looks like %1, but no subtitles could be read in it.</source>
        <translation>Esto parece %1, pero no se pudo leer ningún subtítulo en él.</translation>
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
        <translation>Posición de reproducción (horas:minutos:segundos:milisegundos)</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Skip back by the slider&apos;s seconds (Left)</source>
        <translation>Retroceder los segundos del control deslizante (Izquierda)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start or stop playback (Space)</source>
        <translation>Iniciar o detener la reproducción (Espacio)</translation>
    </message>
    <message>
        <source>Fast-forward</source>
        <translation>Avance rápido</translation>
    </message>
    <message>
        <source>Skip ahead by the slider&apos;s seconds (Right)</source>
        <translation>Avanzar los segundos del control deslizante (Derecha)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Back to 00:00:00:000 (Home)</source>
        <translation>Volver a 00:00:00:000 (Inicio)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Print the position to standard output; two marks make one time line (M)</source>
        <translation>Escribir la posición en la salida estándar; dos marcas forman una línea de tiempo (M)</translation>
    </message>
    <message>
        <source>Skip (seconds):</source>
        <translation>Salto (segundos):</translation>
    </message>
    <message>
        <source>Seconds that Rewind and Fast-forward skip</source>
        <translation>Segundos que saltan Retroceder y Avance rápido</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Elegir archivo…</translation>
    </message>
    <message>
        <source>Choose a subtitle file (Ctrl+O)</source>
        <translation>Elegir un archivo de subtítulos (Ctrl+O)</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Ningún archivo elegido</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Codificación:</translation>
    </message>
    <message>
        <source>Text encoding of the file; Automatic finds it from the file</source>
        <translation>Codificación del texto del archivo; Automático la detecta en el archivo</translation>
    </message>
    <message>
        <source>Line ending:</source>
        <translation>Final de línea:</translation>
    </message>
    <message>
        <source>Line ending of the file; Automatic finds it from the file</source>
        <translation>Final de línea del archivo; Automático lo detecta en el archivo</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
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
        <translation>CR (Mac clásico)</translation>
    </message>
</context>
<context>
    <name>MprisFollower</name>
    <message>
        <source>No session D-Bus to find media players on%1.</source>
        <translation>No hay D-Bus de sesión para buscar reproductores%1.</translation>
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
        <translation>Ninguno</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> % of the panel</source>
        <translation> % del panel</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>0 % shows the text only (on a desktop that composites windows)</source>
        <translation>0 % muestra solo el texto (en un escritorio con composición de ventanas)</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Tipo de letra:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Contorno:</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Sombra:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>A translucent background needs a desktop that composites windows; without one it is drawn solid.</source>
        <translation>Un fondo translúcido necesita un escritorio con composición de ventanas; sin ella se dibuja opaco.</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Alineación:</translation>
    </message>
    <message>
        <source>Maximum width:</source>
        <translation>Anchura máxima:</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Como el sistema (%1)</translation>
    </message>
    <message>
        <source>The language of the menus, buttons and messages</source>
        <translation>El idioma de los menús, botones y mensajes</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>A change takes effect the next time Subclock starts.</source>
        <translation>Un cambio surte efecto la próxima vez que se inicie Subclock.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>The typeface of the subtitles</source>
        <translation>El tipo de letra de los subtítulos</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>The size of the subtitles&apos; text, in points</source>
        <translation>El tamaño del texto de los subtítulos, en puntos</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Choose the colour of the text</source>
        <translation>Elegir el color del texto</translation>
    </message>
    <message>
        <source>Outline width</source>
        <translation>Grosor del contorno</translation>
    </message>
    <message>
        <source>The width of the outline around the letters</source>
        <translation>El grosor del contorno alrededor de las letras</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>Choose the colour of the outline</source>
        <translation>Elegir el color del contorno</translation>
    </message>
    <message>
        <source>Shadow offset</source>
        <translation>Desplazamiento de la sombra</translation>
    </message>
    <message>
        <source>How far the shadow falls from the letters</source>
        <translation>A qué distancia de las letras cae la sombra</translation>
    </message>
    <message>
        <source>Shadow colour</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Choose the colour of the shadow</source>
        <translation>Elegir el color de la sombra</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color del fondo</translation>
    </message>
    <message>
        <source>Choose the colour of the band behind the text</source>
        <translation>Elegir el color de la banda detrás del texto</translation>
    </message>
    <message>
        <source>Background opacity</source>
        <translation>Opacidad del fondo</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Where the lines sit in the panel</source>
        <translation>Dónde se sitúan las líneas en el panel</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Anchura máxima</translation>
    </message>
    <message>
        <source>The widest a line may be, as a share of the panel</source>
        <translation>La anchura máxima de una línea, como parte del panel</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Conservar esta configuración</translation>
    </message>
    <message>
        <source>Put the panel back as it was</source>
        <translation>Devolver el panel a como estaba</translation>
    </message>
    <message>
        <source>Show the panel&apos;s default look</source>
        <translation>Mostrar el panel con su aspecto predeterminado</translation>
    </message>
    <message>
        <source>Under the first, in the panel</source>
        <translation>Debajo de la primera, en el panel</translation>
    </message>
    <message>
        <source>Over the first, in the panel</source>
        <translation>Encima de la primera, en el panel</translation>
    </message>
    <message>
        <source>At the top of the screen</source>
        <translation>En la parte superior de la pantalla</translation>
    </message>
    <message>
        <source>e.g. en</source>
        <translation>p. ej., en</translation>
    </message>
    <message>
        <source>Following a player, movie.LANG.srt beside its video is loaded as the second track</source>
        <translation>Al seguir a un reproductor, se carga como segunda pista el movie.LANG.srt que está junto a su vídeo</translation>
    </message>
    <message>
        <source>Shows:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Language beside a video:</source>
        <translation>Idioma junto a un vídeo:</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Segunda pista</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Keys work while another program has the focus</source>
        <translation>Las teclas funcionan mientras otro programa tiene el foco</translation>
    </message>
    <message>
        <source>Start / Stop:</source>
        <translation>Iniciar / Detener:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later:</source>
        <translation>Subtítulos 100 ms después:</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier:</source>
        <translation>Subtítulos 100 ms antes:</translation>
    </message>
    <message>
        <source>Previous subtitle:</source>
        <translation>Subtítulo anterior:</translation>
    </message>
    <message>
        <source>Next subtitle:</source>
        <translation>Subtítulo siguiente:</translation>
    </message>
    <message>
        <source>for example Ctrl+Alt+Space</source>
        <translation>por ejemplo Ctrl+Alt+Space</translation>
    </message>
    <message>
        <source>Where the second track&apos;s line shows</source>
        <translation>Dónde se muestra la línea de la segunda pista</translation>
    </message>
    <message>
        <source>The size of the second track&apos;s text, in points</source>
        <translation>El tamaño del texto de la segunda pista, en puntos</translation>
    </message>
    <message>
        <source>Choose the colour of the second track&apos;s text</source>
        <translation>Elegir el color del texto de la segunda pista</translation>
    </message>
    <message>
        <source>Grab the keys below for Subclock on the whole desktop</source>
        <translation>Reservar las teclas de abajo para Subclock en todo el escritorio</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>sin tecla</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Plays a SubRip (.srt) subtitle file against a running clock.
Settings (encoding, line ending, last file, player followed) are kept in %1.</source>
        <translation>Muestra un archivo de subtítulos SubRip (.srt) al ritmo de un reloj.
La configuración (codificación, final de línea, último archivo, reproductor seguido) se guarda en %1.</translation>
    </message>
    <message>
        <source>Subtitle file to choose at start-up.</source>
        <translation>Archivo de subtítulos que elegir al inicio.</translation>
    </message>
    <message>
        <source>Append each cue made (by Mark or by holding N) to &lt;file&gt; as SubRip, flushed as it is made.</source>
        <translation>Añade cada marca creada (con Marcar o manteniendo N) a &lt;file&gt; como SubRip, escrita al momento.</translation>
    </message>
    <message>
        <source>Follow a media player: the first playing, or the one whose bus name or identity contains NAME (--follow=NAME).</source>
        <translation>Seguir un reproductor: el primero que reproduzca, o aquel cuyo nombre de bus o identidad contenga NAME (--follow=NAME).</translation>
    </message>
    <message>
        <source>Line the subtitles up with the speech of &lt;video&gt; at start (Sync to Video).</source>
        <translation>Alinear al inicio los subtítulos con el habla de &lt;video&gt; (Sincronizar con el vídeo).</translation>
    </message>
    <message>
        <source>Publish what is shown on the session bus.</source>
        <translation>Publicar lo que se muestra en el bus de sesión.</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporización</translation>
    </message>
    <message>
        <source>F&amp;ollow</source>
        <translation>Se&amp;guir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Choose File…	Ctrl+O</source>
        <translation>&amp;Elegir archivo…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Salir	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Show &amp;Panel</source>
        <translation>Mostrar &amp;panel</translation>
    </message>
    <message>
        <source>Show &amp;Markup</source>
        <translation>Mostrar &amp;marcado</translation>
    </message>
    <message>
        <source>Panel Lets Clicks &amp;Through</source>
        <translation>El panel deja pasar los &amp;clics</translation>
    </message>
    <message>
        <source>Clicks go through the panel: turn off</source>
        <translation>Los clics atraviesan el panel: desactivar</translation>
    </message>
    <message>
        <source>Hide Panel</source>
        <translation>Ocultar el panel</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Plain text files (*.txt *.text)</source>
        <translation>Archivos de texto plano (*.txt *.text)</translation>
    </message>
    <message>
        <source>Subtitle files (%1)</source>
        <translation>Archivos de subtítulos (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose a subtitle file</source>
        <translation>Elegir un archivo de subtítulos</translation>
    </message>
    <message>
        <source>Let the panel take clicks again (Ctrl+Shift+P)</source>
        <translation>El panel vuelve a recibir los clics (Ctrl+Mayús+P)</translation>
    </message>
    <message>
        <source>A second subtitle track, shown with FILE on the same clock (another language, say).</source>
        <translation>Una segunda pista de subtítulos, mostrada con FILE en el mismo reloj (otro idioma, por ejemplo).</translation>
    </message>
    <message>
        <source>Second Trac&amp;k…</source>
        <translation>Segunda &amp;pista…</translation>
    </message>
    <message>
        <source>Close Second Track</source>
        <translation>Cerrar la segunda pista</translation>
    </message>
    <message>
        <source>Timing Keys Act &amp;On</source>
        <translation>Las teclas de temporización actúan s&amp;obre</translation>
    </message>
    <message>
        <source>&amp;First Track</source>
        <translation>&amp;Primera pista</translation>
    </message>
    <message>
        <source>&amp;Second Track</source>
        <translation>&amp;Segunda pista</translation>
    </message>
    <message>
        <source>Show First Track</source>
        <translation>Mostrar la primera pista</translation>
    </message>
    <message>
        <source>Show Second Track</source>
        <translation>Mostrar la segunda pista</translation>
    </message>
</context>
<context>
    <name>QtReadingView</name>
    <message>
        <source>Skipped blocks</source>
        <translation>Bloques omitidos</translation>
    </message>
    <message>
        <source>Blocks skipped, by the line they start on: %1</source>
        <translation>Bloques omitidos, por la línea en que empiezan: %1</translation>
    </message>
    <message>
        <source>Recent messages:</source>
        <translation>Mensajes recientes:</translation>
    </message>
    <message>
        <source>(which lines?)</source>
        <translation>(¿qué líneas?)</translation>
    </message>
</context>
<context>
    <name>ReadingChoice</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 subtitle</source>
        <translation>%1 subtítulo</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>%1 subtítulos</translation>
    </message>
    <message>
        <source>%1 block skipped</source>
        <translation>%1 bloque omitido</translation>
    </message>
    <message>
        <source>%1 blocks skipped</source>
        <translation>%1 bloques omitidos</translation>
    </message>
    <message>
        <source>%1 with %2 line endings</source>
        <translation>%1 con finales de línea %2</translation>
    </message>
    <message>
        <source>%1 fps assumed</source>
        <translation>%1 fps supuestos</translation>
    </message>
</context>
<context>
    <name>Resync</name>
    <message>
        <source>delay %1</source>
        <translation>retardo %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>velocidad %1</translation>
    </message>
    <message>
        <source>23.976 → 25 fps</source>
        <translation>23,976 → 25 fps</translation>
    </message>
    <message>
        <source>25 → 23.976 fps</source>
        <translation>25 → 23,976 fps</translation>
    </message>
    <message>
        <source>23.976 → 24 or 29.97 → 30 fps</source>
        <translation>23,976 → 24 o 29,97 → 30 fps</translation>
    </message>
    <message>
        <source>24 → 23.976 or 30 → 29.97 fps</source>
        <translation>24 → 23,976 o 30 → 29,97 fps</translation>
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
        <translation>desde %1 %2</translation>
    </message>
</context>
<context>
    <name>SeekBar</name>
    <message>
        <source>no subtitles</source>
        <translation>sin subtítulos</translation>
    </message>
    <message>
        <source>  after the end</source>
        <translation>  después del final</translation>
    </message>
    <message>
        <source>Click or drag to seek</source>
        <translation>Pulse o arrastre para desplazarse</translation>
    </message>
</context>
<context>
    <name>SpeechMatch</name>
    <message>
        <source>No speech found in the video.</source>
        <translation>No se encontró habla en el vídeo.</translation>
    </message>
    <message>
        <source>No clear match between the subtitles and the speech.</source>
        <translation>No hay una coincidencia clara entre los subtítulos y el habla.</translation>
    </message>
    <message>
        <source>delay %1</source>
        <translation>retardo %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>seguro</translation>
    </message>
    <message>
        <source>likely</source>
        <translation>probable</translation>
    </message>
</context>
<context>
    <name>SubtitleList</name>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Show only the subtitles that contain this text</source>
        <translation>Mostrar solo los subtítulos que contienen este texto</translation>
    </message>
    <message>
        <source>Every subtitle of the file; double-click one to go to it</source>
        <translation>Todos los subtítulos del archivo; doble clic en uno para ir a él</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Segunda pista</translation>
    </message>
</context>
<context>
    <name>SubtitleLoader</name>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
</context>
<context>
    <name>SubtitlePanel</name>
    <message>
        <source>Subclock Subtitles</source>
        <translation>Subtítulos de Subclock</translation>
    </message>
    <message>
        <source>The subtitle being shown</source>
        <translation>El subtítulo mostrado</translation>
    </message>
    <message>
        <source>Subtitles show here. Drag to move, drag an edge to resize; right-click for more.</source>
        <translation>Aquí se muestran los subtítulos. Arrastre para mover, arrastre un borde para cambiar el tamaño; clic derecho para más.</translation>
    </message>
</context>
<context>
    <name>SubtitleTiming</name>
    <message>
        <source>timing restored: %1</source>
        <translation>temporización restaurada: %1</translation>
    </message>
    <message>
        <source>No subtitle after this point to catch.</source>
        <translation>No hay ningún subtítulo que ajustar después de este punto.</translation>
    </message>
    <message>
        <source>No subtitle before this point to catch.</source>
        <translation>No hay ningún subtítulo que ajustar antes de este punto.</translation>
    </message>
    <message>
        <source>Caught line %1.</source>
        <translation>Línea %1 ajustada.</translation>
    </message>
    <message>
        <source>Caught line %1: %2.</source>
        <translation>Línea %1 ajustada: %2.</translation>
    </message>
    <message>
        <source>Caught line %1: speed %2.</source>
        <translation>Línea %1 ajustada: velocidad %2.</translation>
    </message>
    <message>
        <source>Caught line %1: no likely speed, delay only.</source>
        <translation>Línea %1 ajustada: ninguna velocidad probable, solo retardo.</translation>
    </message>
    <message>
        <source>Caught line %1. One more a minute away solves the speed.</source>
        <translation>Línea %1 ajustada. Otra a un minuto de distancia resuelve la velocidad.</translation>
    </message>
</context>
<context>
    <name>SyncControls</name>
    <message>
        <source>Sync…</source>
        <translation>Sincronizar…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Subtitle timing: z/x move the subtitles by 100 ms</source>
        <translation>Temporización de los subtítulos: z/x los mueven 100 ms</translation>
    </message>
    <message>
        <source>Sync to Video: find the delay and speed from the speech</source>
        <translation>Sincronizar con el vídeo: hallar el retardo y la velocidad a partir del habla</translation>
    </message>
    <message>
        <source>&amp;Subtitles</source>
        <translation>&amp;Subtítulos</translation>
    </message>
    <message>
        <source>&amp;Previous Subtitle</source>
        <translation>Subtítulo &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Subtitle</source>
        <translation>Subtítulo si&amp;guiente</translation>
    </message>
    <message>
        <source>&amp;Go to Time…</source>
        <translation>&amp;Ir al tiempo…</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Earlier</source>
        <translation>Subtítulos 100 ms a&amp;ntes</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Later</source>
        <translation>Subtítulos 100 ms &amp;después</translation>
    </message>
    <message>
        <source>&amp;Catch Next Line Now</source>
        <translation>Ajustar la línea &amp;siguiente ahora</translation>
    </message>
    <message>
        <source>Catch P&amp;revious Line Now</source>
        <translation>Ajustar la línea ante&amp;rior ahora</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Same frame rate (1)</source>
        <translation>Misma velocidad de fotogramas (1)</translation>
    </message>
    <message>
        <source>Reset &amp;Timing</source>
        <translation>Restablecer la &amp;temporización</translation>
    </message>
    <message>
        <source>Sync to &amp;Video…</source>
        <translation>Sincroni&amp;zar con el vídeo…</translation>
    </message>
    <message>
        <source>Save Subtitles &amp;As…</source>
        <translation>Guardar subtítulos &amp;como…</translation>
    </message>
    <message>
        <source>Go to Time</source>
        <translation>Ir al tiempo</translation>
    </message>
    <message>
        <source>Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):</source>
        <translation>Tiempo (1:02:03.5, 01:02:03,500, 62:03 o 3723.5 segundos):</translation>
    </message>
    <message>
        <source>No subtitles have been read yet.</source>
        <translation>Todavía no se ha leído ningún subtítulo.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Guardar subtítulos como</translation>
    </message>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Todavía no se ha leído ningún subtítulo: elija un archivo o pulse Iniciar para leer el elegido.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt);;All files (*)</source>
        <translation>Subtítulos SubRip (*.srt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Replace the Opened File?</source>
        <translation>¿Reemplazar el archivo abierto?</translation>
    </message>
    <message>
        <source>Replace the File?</source>
        <translation>¿Reemplazar el archivo?</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from. Replacing it loses its original times, and it will be written as UTF-8.</source>
        <translation>Este es el archivo del que se leyeron los subtítulos. Reemplazarlo pierde sus tiempos originales y se escribirá como UTF-8.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>The subtitles could not be saved: %1</source>
        <translation>No se pudieron guardar los subtítulos: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Sync to Video</source>
        <translation>Sincronizar con el vídeo</translation>
    </message>
    <message>
        <source>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;All files (*)</source>
        <translation>Vídeos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Listening to %1… %p%</source>
        <translation>Escuchando %1… %p%</translation>
    </message>
    <message>
        <source>Stop listening to the video</source>
        <translation>Dejar de escuchar el vídeo</translation>
    </message>
    <message>
        <source>Use the delay and speed found</source>
        <translation>Usar el retardo y la velocidad encontrados</translation>
    </message>
    <message>
        <source>Put back the timing from before the sync</source>
        <translation>Volver a la temporización de antes de sincronizar</translation>
    </message>
    <message>
        <source>Hide the result</source>
        <translation>Ocultar el resultado</translation>
    </message>
    <message>
        <source>Subtitle L&amp;ist</source>
        <translation>&amp;Lista de subtítulos</translation>
    </message>
    <message>
        <source>Listen to S&amp;ync</source>
        <translation>&amp;Escuchar para sincronizar</translation>
    </message>
    <message>
        <source>Record a minute of what the desktop plays (a video in a browser) and find the delay from its speech; nothing is kept</source>
        <translation>Grabar un minuto de lo que reproduce el escritorio (un vídeo en un navegador) y hallar el retardo a partir del habla; no se guarda nada</translation>
    </message>
    <message>
        <source>No second track is loaded: choose one with Subtitles ▸ Second Track….</source>
        <translation>No hay ninguna segunda pista cargada: elija una con Subtítulos ▸ Segunda pista….</translation>
    </message>
    <message>
        <source>Listening to the desktop… %p%</source>
        <translation>Escuchando el escritorio… %p%</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from (%1). Replacing it writes SubRip in its place: its original times, styles and positions are lost, and it will be written as UTF-8.</source>
        <translation>Este es el archivo del que se leyeron los subtítulos (%1). Reemplazarlo escribe SubRip en su lugar: se pierden sus tiempos, estilos y posiciones originales, y se escribirá como UTF-8.</translation>
    </message>
</context>
</TS>
