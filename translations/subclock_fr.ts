<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AutoSync</name>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Aucun sous-titre n’a encore été lu : choisissez un fichier, ou appuyez sur Démarrer pour lire celui choisi.</translation>
    </message>
    <message>
        <source>The video could not be heard: %1</source>
        <translation>Impossible d’écouter la vidéo : %1</translation>
    </message>
    <message>
        <source>The subtitles changed since the video was heard: sync again.</source>
        <translation>Les sous-titres ont changé depuis l’écoute de la vidéo : synchronisez à nouveau.</translation>
    </message>
    <message>
        <source>The desktop&apos;s sound could not be recorded: %1</source>
        <translation>Impossible d’enregistrer le son du bureau : %1</translation>
    </message>
    <message>
        <source>Too little speech in the minute heard: listen again while people talk.</source>
        <translation>Trop peu de parole dans la minute écoutée : réécoutez pendant que des gens parlent.</translation>
    </message>
</context>
<context>
    <name>CuePane</name>
    <message>
        <source>Show or hide the Timing pane (Ctrl+T)</source>
        <translation>Afficher ou masquer le panneau Minutage (Ctrl+T)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Hold to time</source>
        <translation>Maintenir pour minuter</translation>
    </message>
    <message>
        <source>Hold down to make a cue: press at its start, let go at its end (or hold N)</source>
        <translation>Maintenir pour créer un repère : appuyer au début, relâcher à la fin (ou maintenir N)</translation>
    </message>
    <message>
        <source>Open Script…</source>
        <translation>Ouvrir un script…</translation>
    </message>
    <message>
        <source>A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines</source>
        <translation>Un script en texte brut : un sous-titre par paragraphe, paragraphes séparés par des lignes vides</translation>
    </message>
    <message>
        <source>Save Cues As…</source>
        <translation>Enregistrer les repères sous…</translation>
    </message>
    <message>
        <source>Write the cues as a SubRip file</source>
        <translation>Écrire les repères dans un fichier SubRip</translation>
    </message>
    <message>
        <source>Copy as SRT</source>
        <translation>Copier en SRT</translation>
    </message>
    <message>
        <source>Put the cues on the clipboard as SubRip</source>
        <translation>Copier les repères dans le presse-papiers en SubRip</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected cues (Delete)</source>
        <translation>Supprimer les repères sélectionnés (Suppr)</translation>
    </message>
    <message>
        <source>No script: cues get empty texts. Hold N or the button to time one.</source>
        <translation>Pas de script : les repères ont un texte vide. Maintenez N ou le bouton pour en minuter un.</translation>
    </message>
    <message>
        <source>%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)</source>
        <translation>%1 : paragraphe %2 sur %3 à suivre (Ctrl+Droite le saute, Ctrl+Gauche revient en arrière)</translation>
    </message>
    <message>
        <source>%1: all %2 paragraphs used (Ctrl+Left goes back)</source>
        <translation>%1 : les %2 paragraphes sont utilisés (Ctrl+Gauche revient en arrière)</translation>
    </message>
    <message>
        <source>(end of the script)</source>
        <translation>(fin du script)</translation>
    </message>
    <message>
        <source>Could not save the session to %1</source>
        <translation>Impossible d’enregistrer la session dans %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>no script</source>
        <translation>pas de script</translation>
    </message>
    <message>
        <source>Restore the last session? %1, begun %2, %3.</source>
        <translation>Restaurer la dernière session ? %1, commencée %2, %3.</translation>
    </message>
    <message>
        <source>1 cue</source>
        <translation>1 repère</translation>
    </message>
    <message>
        <source>%1 cues</source>
        <translation>%1 repères</translation>
    </message>
    <message>
        <source>Open Script</source>
        <translation>Ouvrir un script</translation>
    </message>
    <message>
        <source>“%1” is not text in any encoding Subclock knows.</source>
        <translation>« %1 » n’est du texte dans aucun encodage connu de Subclock.</translation>
    </message>
    <message>
        <source>“%1” could not be read.</source>
        <translation>Impossible de lire « %1 ».</translation>
    </message>
    <message>
        <source>Save Cues As</source>
        <translation>Enregistrer les repères sous</translation>
    </message>
    <message>
        <source>The cues could not be written to “%1”.</source>
        <translation>Impossible d’écrire les repères dans « %1 ».</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>SubRip, Windows line endings (*.srt)</source>
        <translation>SubRip, fins de ligne Windows (*.srt)</translation>
    </message>
    <message>
        <source>SubRip, Unix line endings (*.srt)</source>
        <translation>SubRip, fins de ligne Unix (*.srt)</translation>
    </message>
    <message>
        <source>Take up the last session&apos;s cues and script again</source>
        <translation>Reprendre les repères et le script de la dernière session</translation>
    </message>
    <message>
        <source>Start afresh; the last session stays on disk</source>
        <translation>Repartir de zéro ; la dernière session reste sur le disque</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>The cues made, with their times and texts; Delete removes the selected ones</source>
        <translation>Les repères créés, avec leurs temps et textes ; Suppr supprime ceux sélectionnés</translation>
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
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
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
        <translation>Japonais (Shift JIS)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Japonais (EUC)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japonais (ISO 2022-JP)</translation>
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
        <translation>Europe centrale (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Europe centrale (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Cyrillique (Windows)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cyrillique (KOI8-R)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ukrainien (KOI8-U)</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Grec (Windows)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Grec (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Turc (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hébreu (Windows)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Arabe (Windows)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Balte (Windows)</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Balte</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamien (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Thaï (Windows, DOS)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Chinese (GB 18030)</source>
        <translation>Chinois (GB 18030)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Chinese (GBK)</source>
        <translation>Chinois (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Chinese (Big 5)</source>
        <translation>Chinois (Big 5)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Coréen (EUC)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
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
        <translation>En attente d’un lecteur multimédia à suivre.</translation>
    </message>
    <message>
        <source>Waiting for a media player named “%1” to follow.</source>
        <translation>En attente d’un lecteur multimédia nommé « %1 » à suivre.</translation>
    </message>
    <message>
        <source>Own clock, paused at %1.</source>
        <translation>Horloge interne, en pause à %1.</translation>
    </message>
    <message>
        <source>Following %1.</source>
        <translation>Suit %1.</translation>
    </message>
    <message>
        <source>Following %1; keeping the subtitles you chose.</source>
        <translation>Suit %1 ; les sous-titres choisis sont conservés.</translation>
    </message>
    <message>
        <source>%1 plays %2, not a local file: the subtitles stay as they are.</source>
        <translation>%1 lit %2, qui n’est pas un fichier local : les sous-titres restent inchangés.</translation>
    </message>
    <message>
        <source>No subtitles beside %1: the subtitles stay as they are.</source>
        <translation>Aucun sous-titre à côté de %1 : les sous-titres restent inchangés.</translation>
    </message>
    <message>
        <source>Loaded %1 from %2, beside the video %3 plays.</source>
        <translation>%1 chargé depuis %2, à côté de la vidéo lue par %3.</translation>
    </message>
    <message>
        <source>%1 quit: back to the own clock, paused at %2.</source>
        <translation>%1 s’est fermé : retour à l’horloge interne, en pause à %2.</translation>
    </message>
    <message>
        <source>%1 does not report its position.</source>
        <translation>%1 n’indique pas sa position.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 does not report its position: the time shown is the own clock&apos;s, pausing and resuming with it.</source>
        <translation>%1 ne donne pas sa position : le temps affiché est celui de l’horloge propre, qui se met en pause et reprend avec lui.</translation>
    </message>
</context>
<context>
    <name>Following</name>
    <message>
        <source>Use own clock</source>
        <translation>Utiliser l’horloge interne</translation>
    </message>
    <message>
        <source>Own clock</source>
        <translation>Horloge interne</translation>
    </message>
    <message>
        <source>Count from Start, as without a player</source>
        <translation>Compter depuis Démarrer, comme sans lecteur</translation>
    </message>
    <message>
        <source>Take the position from %1</source>
        <translation>Prendre la position de %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>%1 does not let others control it</source>
        <translation>%1 ne se laisse pas contrôler</translation>
    </message>
    <message>
        <source>%1 does not allow pausing</source>
        <translation>%1 ne permet pas la pause</translation>
    </message>
    <message>
        <source>%1 does not allow seeking</source>
        <translation>%1 ne permet pas de se déplacer</translation>
    </message>
    <message>
        <source>Stop following the player and count from Start again</source>
        <translation>Cesser de suivre le lecteur et compter à nouveau depuis Démarrer</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>Keys that work while another program has the focus need an X11 or Wayland desktop.</source>
        <translation>Les touches qui agissent pendant qu’un autre programme a le focus nécessitent un bureau X11 ou Wayland.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key combination (for example Ctrl+Alt+Space).</source>
        <translation>« %1 » n’est pas une combinaison de touches (par exemple Ctrl+Alt+Space).</translation>
    </message>
    <message>
        <source>%1 alone would be taken from every program: add Ctrl, Alt or Meta.</source>
        <translation>%1 seul serait pris à tous les programmes : ajoutez Ctrl, Alt ou Meta.</translation>
    </message>
    <message>
        <source>%1 is already chosen for another action.</source>
        <translation>%1 est déjà choisi pour une autre action.</translation>
    </message>
    <message>
        <source>%1 is held by another program; choose other keys.</source>
        <translation>%1 est pris par un autre programme ; choisissez d’autres touches.</translation>
    </message>
    <message>
        <source>On Wayland only the desktop can give a program keys that work while another has the focus, and the desktop has no global-shortcuts portal. Use the desktop&apos;s own shortcut settings to run &quot;playerctl -p subclock play-pause&quot; and the like.</source>
        <translation>Sous Wayland, seul le bureau peut donner à un programme des touches qui agissent pendant qu’un autre a le focus, et ce bureau n’a pas de portail de raccourcis globaux. Utilisez les réglages de raccourcis du bureau pour lancer « playerctl -p subclock play-pause » et les commandes semblables.</translation>
    </message>
    <message>
        <source>The desktop gives these keys: it may ask you to confirm them, and they are changed in its own settings.</source>
        <translation>Le bureau attribue ces touches : il peut vous demander de les confirmer, et elles se changent dans ses propres réglages.</translation>
    </message>
    <message>
        <source>This is a Wayland session and the desktop has no global-shortcuts portal: keys taken through XWayland work only while an X11 program has the focus.</source>
        <translation>Ceci est une session Wayland et le bureau n’a pas de portail de raccourcis globaux : les touches prises via XWayland n’agissent que lorsqu’un programme X11 a le focus.</translation>
    </message>
    <message>
        <source>Turn the keys on to ask the desktop for them.</source>
        <translation>Activez les touches pour les demander au bureau.</translation>
    </message>
    <message>
        <source>Asking the desktop for the keys…</source>
        <translation>Demande des touches au bureau…</translation>
    </message>
    <message>
        <source>The desktop gave these keys:</source>
        <translation>Le bureau a attribué ces touches :</translation>
    </message>
    <message>
        <source>The desktop&apos;s dialog was cancelled: no keys were given.</source>
        <translation>La fenêtre du bureau a été annulée : aucune touche attribuée.</translation>
    </message>
    <message>
        <source>The desktop did not give the keys.</source>
        <translation>Le bureau n’a pas attribué les touches.</translation>
    </message>
    <message>
        <source>The desktop took the keys back.</source>
        <translation>Le bureau a repris les touches.</translation>
    </message>
    <message>
        <source>Start or stop the subtitles</source>
        <translation>Démarrer ou arrêter les sous-titres</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later</source>
        <translation>Sous-titres 100 ms plus tard</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier</source>
        <translation>Sous-titres 100 ms plus tôt</translation>
    </message>
    <message>
        <source>To the previous subtitle</source>
        <translation>Au sous-titre précédent</translation>
    </message>
    <message>
        <source>To the next subtitle</source>
        <translation>Au sous-titre suivant</translation>
    </message>
</context>
<context>
    <name>MainCtrl</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>This file looks like %1.</source>
        <translation>Ce fichier semble être en %1.</translation>
    </message>
    <message>
        <source>Use these</source>
        <translation>Utiliser ceux-ci</translation>
    </message>
    <message>
        <source>No subtitles found in %1</source>
        <translation>Aucun sous-titre trouvé dans %1</translation>
    </message>
    <message>
        <source>Nothing loaded: no subtitles in %1.</source>
        <translation>Rien de chargé : aucun sous-titre dans %1.</translation>
    </message>
    <message>
        <source>This looks like %1, which Subclock cannot read.</source>
        <translation>Cela ressemble à du %1, que Subclock ne sait pas lire.</translation>
    </message>
    <message>
        <source>This looks like %1. Subclock reads it with the encoding on Automatic; a chosen encoding reads SubRip (.srt) files only.</source>
        <translation>Cela ressemble à du %1. Subclock le lit avec l’encodage « Automatique » ; avec un encodage choisi, il ne lit que les fichiers SubRip (.srt).</translation>
    </message>
    <message>
        <source>This looks like %1, but no subtitles could be read in it.</source>
        <translation>Cela ressemble à du %1, mais aucun sous-titre n’a pu y être lu.</translation>
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
        <translation>Position de lecture (heures:minutes:secondes:millisecondes)</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retour rapide</translation>
    </message>
    <message>
        <source>Skip back by the slider&apos;s seconds (Left)</source>
        <translation>Reculer du nombre de secondes du curseur (Gauche)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Start or stop playback (Space)</source>
        <translation>Démarrer ou arrêter la lecture (Espace)</translation>
    </message>
    <message>
        <source>Fast-forward</source>
        <translation>Avance rapide</translation>
    </message>
    <message>
        <source>Skip ahead by the slider&apos;s seconds (Right)</source>
        <translation>Avancer du nombre de secondes du curseur (Droite)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Back to 00:00:00:000 (Home)</source>
        <translation>Retour à 00:00:00:000 (Début)</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Print the position to standard output; two marks make one time line (M)</source>
        <translation>Écrire la position sur la sortie standard ; deux marques font une ligne de temps (M)</translation>
    </message>
    <message>
        <source>Skip (seconds):</source>
        <translation>Saut (secondes) :</translation>
    </message>
    <message>
        <source>Seconds that Rewind and Fast-forward skip</source>
        <translation>Secondes sautées par Retour rapide et Avance rapide</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Choose a subtitle file (Ctrl+O)</source>
        <translation>Choisir un fichier de sous-titres (Ctrl+O)</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Encodage :</translation>
    </message>
    <message>
        <source>Text encoding of the file; Automatic finds it from the file</source>
        <translation>Encodage du texte du fichier ; Automatique le détecte dans le fichier</translation>
    </message>
    <message>
        <source>Line ending:</source>
        <translation>Fin de ligne :</translation>
    </message>
    <message>
        <source>Line ending of the file; Automatic finds it from the file</source>
        <translation>Fin de ligne du fichier ; Automatique la détecte dans le fichier</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
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
        <translation>CR (Mac classique)</translation>
    </message>
</context>
<context>
    <name>MprisFollower</name>
    <message>
        <source>No session D-Bus to find media players on%1.</source>
        <translation>Aucun D-Bus de session pour trouver des lecteurs multimédias%1.</translation>
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
        <translation>Aucun</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> % of the panel</source>
        <translation> % du bandeau</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>0 % shows the text only (on a desktop that composites windows)</source>
        <translation>0 % n’affiche que le texte (sur un bureau qui compose les fenêtres)</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Couleur du texte :</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Contour :</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Ombre :</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>A translucent background needs a desktop that composites windows; without one it is drawn solid.</source>
        <translation>Un fond translucide nécessite un bureau qui compose les fenêtres ; sinon il est opaque.</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Alignement :</translation>
    </message>
    <message>
        <source>Maximum width:</source>
        <translation>Largeur maximale :</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Comme le système (%1)</translation>
    </message>
    <message>
        <source>The language of the menus, buttons and messages</source>
        <translation>La langue des menus, boutons et messages</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>A change takes effect the next time Subclock starts.</source>
        <translation>Un changement prend effet au prochain démarrage de Subclock.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>The typeface of the subtitles</source>
        <translation>La police des sous-titres</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>The size of the subtitles&apos; text, in points</source>
        <translation>La taille du texte des sous-titres, en points</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Choose the colour of the text</source>
        <translation>Choisir la couleur du texte</translation>
    </message>
    <message>
        <source>Outline width</source>
        <translation>Épaisseur du contour</translation>
    </message>
    <message>
        <source>The width of the outline around the letters</source>
        <translation>L’épaisseur du contour autour des lettres</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>Choose the colour of the outline</source>
        <translation>Choisir la couleur du contour</translation>
    </message>
    <message>
        <source>Shadow offset</source>
        <translation>Décalage de l’ombre</translation>
    </message>
    <message>
        <source>How far the shadow falls from the letters</source>
        <translation>La distance de l’ombre aux lettres</translation>
    </message>
    <message>
        <source>Shadow colour</source>
        <translation>Couleur de l’ombre</translation>
    </message>
    <message>
        <source>Choose the colour of the shadow</source>
        <translation>Choisir la couleur de l’ombre</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>Choose the colour of the band behind the text</source>
        <translation>Choisir la couleur de la bande derrière le texte</translation>
    </message>
    <message>
        <source>Background opacity</source>
        <translation>Opacité du fond</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Where the lines sit in the panel</source>
        <translation>La place des lignes dans le bandeau</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Largeur maximale</translation>
    </message>
    <message>
        <source>The widest a line may be, as a share of the panel</source>
        <translation>La largeur maximale d’une ligne, en part du bandeau</translation>
    </message>
    <message>
        <source>Keep these settings</source>
        <translation>Conserver ces réglages</translation>
    </message>
    <message>
        <source>Put the panel back as it was</source>
        <translation>Remettre le bandeau comme il était</translation>
    </message>
    <message>
        <source>Show the panel&apos;s default look</source>
        <translation>Afficher le bandeau avec son apparence par défaut</translation>
    </message>
    <message>
        <source>Under the first, in the panel</source>
        <translation>Sous la première, dans le bandeau</translation>
    </message>
    <message>
        <source>Over the first, in the panel</source>
        <translation>Au-dessus de la première, dans le bandeau</translation>
    </message>
    <message>
        <source>At the top of the screen</source>
        <translation>En haut de l’écran</translation>
    </message>
    <message>
        <source>e.g. en</source>
        <translation>p. ex. en</translation>
    </message>
    <message>
        <source>Following a player, movie.LANG.srt beside its video is loaded as the second track</source>
        <translation>En suivant un lecteur, movie.LANG.srt à côté de sa vidéo est chargé comme deuxième piste</translation>
    </message>
    <message>
        <source>Shows:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Language beside a video:</source>
        <translation>Langue à côté d’une vidéo :</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Deuxième piste</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Keys work while another program has the focus</source>
        <translation>Les touches agissent quand un autre programme a le focus</translation>
    </message>
    <message>
        <source>Start / Stop:</source>
        <translation>Démarrer / Arrêter :</translation>
    </message>
    <message>
        <source>Subtitles 100 ms later:</source>
        <translation>Sous-titres 100 ms plus tard :</translation>
    </message>
    <message>
        <source>Subtitles 100 ms earlier:</source>
        <translation>Sous-titres 100 ms plus tôt :</translation>
    </message>
    <message>
        <source>Previous subtitle:</source>
        <translation>Sous-titre précédent :</translation>
    </message>
    <message>
        <source>Next subtitle:</source>
        <translation>Sous-titre suivant :</translation>
    </message>
    <message>
        <source>for example Ctrl+Alt+Space</source>
        <translation>par exemple Ctrl+Alt+Space</translation>
    </message>
    <message>
        <source>Where the second track&apos;s line shows</source>
        <translation>Où s’affiche la ligne de la deuxième piste</translation>
    </message>
    <message>
        <source>The size of the second track&apos;s text, in points</source>
        <translation>La taille du texte de la deuxième piste, en points</translation>
    </message>
    <message>
        <source>Choose the colour of the second track&apos;s text</source>
        <translation>Choisir la couleur du texte de la deuxième piste</translation>
    </message>
    <message>
        <source>Grab the keys below for Subclock on the whole desktop</source>
        <translation>Réserver les touches ci-dessous à Subclock sur tout le bureau</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>aucune touche</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Plays a SubRip (.srt) subtitle file against a running clock.
Settings (encoding, line ending, last file, player followed) are kept in %1.</source>
        <translation>Affiche un fichier de sous-titres SubRip (.srt) au rythme d’une horloge.
Les réglages (encodage, fin de ligne, dernier fichier, lecteur suivi) sont conservés dans %1.</translation>
    </message>
    <message>
        <source>Subtitle file to choose at start-up.</source>
        <translation>Fichier de sous-titres à choisir au démarrage.</translation>
    </message>
    <message>
        <source>Append each cue made (by Mark or by holding N) to &lt;file&gt; as SubRip, flushed as it is made.</source>
        <translation>Ajoute chaque repère créé (par Marquer ou en maintenant N) à &lt;file&gt; en SubRip, écrit aussitôt.</translation>
    </message>
    <message>
        <source>Follow a media player: the first playing, or the one whose bus name or identity contains NAME (--follow=NAME).</source>
        <translation>Suivre un lecteur multimédia : le premier en lecture, ou celui dont le nom de bus ou l’identité contient NAME (--follow=NAME).</translation>
    </message>
    <message>
        <source>Line the subtitles up with the speech of &lt;video&gt; at start (Sync to Video).</source>
        <translation>Aligner au démarrage les sous-titres sur la parole de &lt;video&gt; (Synchroniser sur la vidéo).</translation>
    </message>
    <message>
        <source>Publish what is shown on the session bus.</source>
        <translation>Publier ce qui est affiché sur le bus de session.</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Minutage</translation>
    </message>
    <message>
        <source>F&amp;ollow</source>
        <translation>S&amp;uivre</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Récemment ouverts</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Choose File…	Ctrl+O</source>
        <translation>&amp;Choisir un fichier…	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Quitter	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Show &amp;Panel</source>
        <translation>Afficher le &amp;bandeau</translation>
    </message>
    <message>
        <source>Show &amp;Markup</source>
        <translation>Afficher le bali&amp;sage</translation>
    </message>
    <message>
        <source>Panel Lets Clicks &amp;Through</source>
        <translation>Le bandeau laisse passer les &amp;clics</translation>
    </message>
    <message>
        <source>Clicks go through the panel: turn off</source>
        <translation>Les clics traversent le bandeau : désactiver</translation>
    </message>
    <message>
        <source>Hide Panel</source>
        <translation>Masquer le bandeau</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Plain text files (*.txt *.text)</source>
        <translation>Fichiers texte (*.txt *.text)</translation>
    </message>
    <message>
        <source>Subtitle files (%1)</source>
        <translation>Fichiers de sous-titres (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose a subtitle file</source>
        <translation>Choisir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Let the panel take clicks again (Ctrl+Shift+P)</source>
        <translation>Le bandeau reçoit à nouveau les clics (Ctrl+Maj+P)</translation>
    </message>
    <message>
        <source>A second subtitle track, shown with FILE on the same clock (another language, say).</source>
        <translation>Une deuxième piste de sous-titres, affichée avec FILE sur la même horloge (une autre langue, par exemple).</translation>
    </message>
    <message>
        <source>Second Trac&amp;k…</source>
        <translation>Deux&amp;ième piste…</translation>
    </message>
    <message>
        <source>Close Second Track</source>
        <translation>Fermer la deuxième piste</translation>
    </message>
    <message>
        <source>Timing Keys Act &amp;On</source>
        <translation>Les touches de minutage a&amp;gissent sur</translation>
    </message>
    <message>
        <source>&amp;First Track</source>
        <translation>&amp;Première piste</translation>
    </message>
    <message>
        <source>&amp;Second Track</source>
        <translation>&amp;Deuxième piste</translation>
    </message>
    <message>
        <source>Show First Track</source>
        <translation>Afficher la première piste</translation>
    </message>
    <message>
        <source>Show Second Track</source>
        <translation>Afficher la deuxième piste</translation>
    </message>
</context>
<context>
    <name>QtReadingView</name>
    <message>
        <source>Skipped blocks</source>
        <translation>Blocs ignorés</translation>
    </message>
    <message>
        <source>Blocks skipped, by the line they start on: %1</source>
        <translation>Blocs ignorés, par ligne de début : %1</translation>
    </message>
    <message>
        <source>Recent messages:</source>
        <translation>Messages récents :</translation>
    </message>
    <message>
        <source>(which lines?)</source>
        <translation>(quelles lignes ?)</translation>
    </message>
</context>
<context>
    <name>ReadingChoice</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>%1 subtitle</source>
        <translation>%1 sous-titre</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>%1 sous-titres</translation>
    </message>
    <message>
        <source>%1 block skipped</source>
        <translation>%1 bloc ignoré</translation>
    </message>
    <message>
        <source>%1 blocks skipped</source>
        <translation>%1 blocs ignorés</translation>
    </message>
    <message>
        <source>%1 with %2 line endings</source>
        <translation>%1 avec fins de ligne %2</translation>
    </message>
    <message>
        <source>%1 fps assumed</source>
        <translation>cadence supposée %1 i/s</translation>
    </message>
</context>
<context>
    <name>Resync</name>
    <message>
        <source>delay %1</source>
        <translation>décalage %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>vitesse %1</translation>
    </message>
    <message>
        <source>23.976 → 25 fps</source>
        <translation>23,976 → 25 i/s</translation>
    </message>
    <message>
        <source>25 → 23.976 fps</source>
        <translation>25 → 23,976 i/s</translation>
    </message>
    <message>
        <source>23.976 → 24 or 29.97 → 30 fps</source>
        <translation>23,976 → 24 ou 29,97 → 30 i/s</translation>
    </message>
    <message>
        <source>24 → 23.976 or 30 → 29.97 fps</source>
        <translation>24 → 23,976 ou 30 → 29,97 i/s</translation>
    </message>
    <message>
        <source>24 → 25 fps</source>
        <translation>24 → 25 i/s</translation>
    </message>
    <message>
        <source>25 → 24 fps</source>
        <translation>25 → 24 i/s</translation>
    </message>
    <message>
        <source>from %1 %2</source>
        <translation>à partir de %1 %2</translation>
    </message>
</context>
<context>
    <name>SeekBar</name>
    <message>
        <source>no subtitles</source>
        <translation>aucun sous-titre</translation>
    </message>
    <message>
        <source>  after the end</source>
        <translation>  après la fin</translation>
    </message>
    <message>
        <source>Click or drag to seek</source>
        <translation>Cliquer ou glisser pour se déplacer</translation>
    </message>
</context>
<context>
    <name>SpeechMatch</name>
    <message>
        <source>No speech found in the video.</source>
        <translation>Aucune parole trouvée dans la vidéo.</translation>
    </message>
    <message>
        <source>No clear match between the subtitles and the speech.</source>
        <translation>Aucune correspondance nette entre les sous-titres et la parole.</translation>
    </message>
    <message>
        <source>delay %1</source>
        <translation>décalage %1</translation>
    </message>
    <message>
        <source>from</source>
        <translation>à partir de</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>sûr</translation>
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
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Show only the subtitles that contain this text</source>
        <translation>N’afficher que les sous-titres qui contiennent ce texte</translation>
    </message>
    <message>
        <source>Every subtitle of the file; double-click one to go to it</source>
        <translation>Tous les sous-titres du fichier ; double-cliquez sur l’un d’eux pour y aller</translation>
    </message>
    <message>
        <source>Second Track</source>
        <translation>Deuxième piste</translation>
    </message>
</context>
<context>
    <name>SubtitleLoader</name>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
</context>
<context>
    <name>SubtitlePanel</name>
    <message>
        <source>Subclock Subtitles</source>
        <translation>Sous-titres Subclock</translation>
    </message>
    <message>
        <source>The subtitle being shown</source>
        <translation>Le sous-titre affiché</translation>
    </message>
    <message>
        <source>Subtitles show here. Drag to move, drag an edge to resize; right-click for more.</source>
        <translation>Les sous-titres s’affichent ici. Glissez pour déplacer, glissez un bord pour redimensionner ; clic droit pour plus.</translation>
    </message>
</context>
<context>
    <name>SubtitleTiming</name>
    <message>
        <source>timing restored: %1</source>
        <translation>minutage restauré : %1</translation>
    </message>
    <message>
        <source>No subtitle after this point to catch.</source>
        <translation>Aucun sous-titre à caler après ce point.</translation>
    </message>
    <message>
        <source>No subtitle before this point to catch.</source>
        <translation>Aucun sous-titre à caler avant ce point.</translation>
    </message>
    <message>
        <source>Caught line %1.</source>
        <translation>Ligne %1 calée.</translation>
    </message>
    <message>
        <source>Caught line %1: %2.</source>
        <translation>Ligne %1 calée : %2.</translation>
    </message>
    <message>
        <source>Caught line %1: speed %2.</source>
        <translation>Ligne %1 calée : vitesse %2.</translation>
    </message>
    <message>
        <source>Caught line %1: no likely speed, delay only.</source>
        <translation>Ligne %1 calée : pas de vitesse plausible, décalage seulement.</translation>
    </message>
    <message>
        <source>Caught line %1. One more a minute away solves the speed.</source>
        <translation>Ligne %1 calée. Une autre, à une minute d’écart, donnera la vitesse.</translation>
    </message>
</context>
<context>
    <name>SyncControls</name>
    <message>
        <source>Sync…</source>
        <translation>Synchroniser…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Subtitle timing: z/x move the subtitles by 100 ms</source>
        <translation>Minutage des sous-titres : z/x les décalent de 100 ms</translation>
    </message>
    <message>
        <source>Sync to Video: find the delay and speed from the speech</source>
        <translation>Synchroniser sur la vidéo : trouver le décalage et la vitesse d’après la parole</translation>
    </message>
    <message>
        <source>&amp;Subtitles</source>
        <translation>&amp;Sous-titres</translation>
    </message>
    <message>
        <source>&amp;Previous Subtitle</source>
        <translation>Sous-titre &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Subtitle</source>
        <translation>Sous-titre &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Go to Time…</source>
        <translation>&amp;Aller à l’instant…</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Earlier</source>
        <translation>Sous-titres 100 ms plus &amp;tôt</translation>
    </message>
    <message>
        <source>Subtitles 100 ms &amp;Later</source>
        <translation>Sous-titres 100 ms plus ta&amp;rd</translation>
    </message>
    <message>
        <source>&amp;Catch Next Line Now</source>
        <translation>&amp;Caler la ligne suivante maintenant</translation>
    </message>
    <message>
        <source>Catch P&amp;revious Line Now</source>
        <translation>Caler la ligne précé&amp;dente maintenant</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Same frame rate (1)</source>
        <translation>Même fréquence d’images (1)</translation>
    </message>
    <message>
        <source>Reset &amp;Timing</source>
        <translation>Réinitialiser le &amp;minutage</translation>
    </message>
    <message>
        <source>Sync to &amp;Video…</source>
        <translation>Synchroniser sur la vid&amp;éo…</translation>
    </message>
    <message>
        <source>Save Subtitles &amp;As…</source>
        <translation>Enregistrer les sous-titres s&amp;ous…</translation>
    </message>
    <message>
        <source>Go to Time</source>
        <translation>Aller à l’instant</translation>
    </message>
    <message>
        <source>Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):</source>
        <translation>Instant (1:02:03.5, 01:02:03,500, 62:03 ou 3723.5 secondes) :</translation>
    </message>
    <message>
        <source>No subtitles have been read yet.</source>
        <translation>Aucun sous-titre n’a encore été lu.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Enregistrer les sous-titres sous</translation>
    </message>
    <message>
        <source>No subtitles have been read yet: choose a file, or press Start to read the one chosen.</source>
        <translation>Aucun sous-titre n’a encore été lu : choisissez un fichier, ou appuyez sur Démarrer pour lire celui choisi.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt);;All files (*)</source>
        <translation>Sous-titres SubRip (*.srt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Replace the Opened File?</source>
        <translation>Remplacer le fichier ouvert ?</translation>
    </message>
    <message>
        <source>Replace the File?</source>
        <translation>Remplacer le fichier ?</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from. Replacing it loses its original times, and it will be written as UTF-8.</source>
        <translation>C’est le fichier d’où les sous-titres ont été lus. Le remplacer fait perdre ses temps d’origine, et il sera écrit en UTF-8.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>The subtitles could not be saved: %1</source>
        <translation>Impossible d’enregistrer les sous-titres : %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Sync to Video</source>
        <translation>Synchroniser sur la vidéo</translation>
    </message>
    <message>
        <source>Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;All files (*)</source>
        <translation>Vidéos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Listening to %1… %p%</source>
        <translation>Écoute de %1… %p%</translation>
    </message>
    <message>
        <source>Stop listening to the video</source>
        <translation>Arrêter l’écoute de la vidéo</translation>
    </message>
    <message>
        <source>Use the delay and speed found</source>
        <translation>Utiliser le décalage et la vitesse trouvés</translation>
    </message>
    <message>
        <source>Put back the timing from before the sync</source>
        <translation>Rétablir le minutage d’avant la synchronisation</translation>
    </message>
    <message>
        <source>Hide the result</source>
        <translation>Masquer le résultat</translation>
    </message>
    <message>
        <source>Subtitle L&amp;ist</source>
        <translation>&amp;Liste des sous-titres</translation>
    </message>
    <message>
        <source>Listen to S&amp;ync</source>
        <translation>Éco&amp;uter pour synchroniser</translation>
    </message>
    <message>
        <source>Record a minute of what the desktop plays (a video in a browser) and find the delay from its speech; nothing is kept</source>
        <translation>Enregistrer une minute de ce que joue le bureau (une vidéo dans un navigateur) et trouver le décalage d’après la parole ; rien n’est conservé</translation>
    </message>
    <message>
        <source>No second track is loaded: choose one with Subtitles ▸ Second Track….</source>
        <translation>Aucune deuxième piste n’est chargée : choisissez-en une avec Sous-titres ▸ Deuxième piste….</translation>
    </message>
    <message>
        <source>Listening to the desktop… %p%</source>
        <translation>Écoute du bureau… %p%</translation>
    </message>
    <message>
        <source>This is the file the subtitles were read from (%1). Replacing it writes SubRip in its place: its original times, styles and positions are lost, and it will be written as UTF-8.</source>
        <translation>C’est le fichier dont les sous-titres ont été lus (%1). Le remplacer écrit du SubRip à sa place : ses temps, styles et positions d’origine sont perdus, et il sera écrit en UTF-8.</translation>
    </message>
</context>
</TS>
